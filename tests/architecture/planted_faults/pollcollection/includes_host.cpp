// Faults the architecture rules must find: a collection that reaches into the host and Qt.
#include <QWidget>
#include "host/editor/editor_app.h"
