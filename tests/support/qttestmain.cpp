// main() of every test program that needs a Qt application: headless unless a platform is
// chosen, a fixed locale, and GoogleTest.

// Qt
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

// std
#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Tests never touch the user's own settings, data or registry file.
    QTemporaryDir home;
    const QByteArray root = home.path().toLocal8Bit();
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 0);
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 0);
    setenv("XDG_RUNTIME_DIR", (root + "/runtime").constData(), 0);
    QDir().mkpath(QString::fromLocal8Bit(root + "/runtime"));
    QFile::setPermissions(QString::fromLocal8Bit(root + "/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("VENDARA_REGISTRY", (root + "/config/vendara/registry.reg").constData(), 0);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
