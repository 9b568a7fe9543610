#include "QuorvaneIcon.h"

QIcon QuorvaneIcon() {
    // Also keeps the resource linked into programs that never name it otherwise.
    Q_INIT_RESOURCE(icons);
    QIcon icon;
    icon.addFile(QStringLiteral(":/quorvane.png"), QSize(64, 64));
    icon.addFile(QStringLiteral(":/quorvane.svg"));
    return icon;
}
