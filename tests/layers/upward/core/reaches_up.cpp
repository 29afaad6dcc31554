// A core file that reaches the shell: the layer check must reject it.
#include "core/error.h"
#include "app/main_form.h"
