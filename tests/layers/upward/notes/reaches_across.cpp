// Notes and dialogs share a layer and stay apart: the layer check must reject this.
#include "dialogs/settings_dialog.h"
