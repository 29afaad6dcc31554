// Preloaded into tst_update_exit: name lookups of hosts that start with
// "slow." hang for half a minute, as they do behind a broken resolver. A
// numeric-only lookup never asks the resolver, so it stays quick.
#include <dlfcn.h>
#include <netdb.h>
#include <unistd.h>

#include <cstring>

extern "C" int getaddrinfo(const char *node, const char *service, const addrinfo *hints,
                           addrinfo **result)
{
    using Real = int (*)(const char *, const char *, const addrinfo *, addrinfo **);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "getaddrinfo"));
    const bool numericOnly = hints && (hints->ai_flags & AI_NUMERICHOST);
    if (node && !numericOnly && std::strncmp(node, "slow.", 5) == 0)
        sleep(30);
    return real(node, service, hints, result);
}
