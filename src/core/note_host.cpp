#include "core/note_host.h"

namespace {

NoteHost *registered = nullptr;

} // namespace

NoteHost::NoteHost()
{
    registered = this;
}

NoteHost::~NoteHost()
{
    if (registered == this)
        registered = nullptr;
}

NoteHost *NoteHost::current()
{
    return registered;
}
