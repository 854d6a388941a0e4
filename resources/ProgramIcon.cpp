#include "resources/ProgramIcon.h"

#include <QPixmap>

// The resources live in a static library; naming the initialiser here keeps
// the linker from dropping them from the program.
static void InitProgramResources() {
    Q_INIT_RESOURCE(resources);
}

QIcon ProgramIcon() {
    static const bool initialised = (InitProgramResources(), true);
    (void)initialised;
    return QIcon(QPixmap(QStringLiteral(":/icon131.xpm")));
}
