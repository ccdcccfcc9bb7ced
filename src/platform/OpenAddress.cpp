#include "platform/OpenAddress.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
bool OpenAddress(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}
} // namespace platform
