#pragma once

#include "framework/application.h"

#include <functional>
#include <type_traits>
#include <utility>

// Wraps a handler for connect(): whatever it throws is caught right where Qt
// enters our code and shown in the standard error box, so that no exception
// unwinds through Qt's frames (they are built without unwind tables; a menu
// that had an error thrown through it stopped working).
//
//     connect(action, &QAction::triggered, this, guarded(this, &Form::mnThingClick));
//
// The wrapper takes as many of the signal's arguments as the handler does.
template<class Handler>
auto guarded(Handler handler)
{
    return [handler = std::move(handler)](auto &&...args)
               -> std::enable_if_t<std::is_invocable_v<const Handler &, decltype(args)...>> {
        Application::runGuarded([&] { std::invoke(handler, std::forward<decltype(args)>(args)...); });
    };
}

template<class Object, class Method>
auto guarded(Object *object, Method method)
{
    return guarded([object, method](auto &&...args)
                       -> std::enable_if_t<std::is_invocable_v<Method, Object *, decltype(args)...>> {
        std::invoke(method, object, std::forward<decltype(args)>(args)...);
    });
}
