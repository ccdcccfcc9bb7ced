#include <gtest/gtest.h>

#include <QApplication>

namespace {
QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform cannot apply top-level window masks and says so every
// time; the tests check the masks themselves.
void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support setting window masks"))) return;
    g_defaultHandler(type, context, message);
}
} // namespace

int main(int argc, char** argv) {
    // Test listing at build time runs without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(Handler);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
