// Built with the core's settings by a test that expects the build to fail:
// the core must not be able to include Qt.
#include <QtCore/QString>

int ProbeQtInclude() { return QString().size(); }
