#include "shell/ui/editor_window.h"

// The window's meta-object (moc) is built with this file.
