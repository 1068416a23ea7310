#include <QApplication>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    // Test discovery runs this binary at build time, often without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QByteArray dosar = "/tmp/tezaurel-teste-runtime-" + QByteArray::number(getuid());
        mkdir(dosar.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dosar);
    }
    QApplication aplicatie(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
