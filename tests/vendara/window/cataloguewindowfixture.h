// A test fixture for the main window: a catalogue file "vadata.dat" in a temporary program
// folder, the prompts scripted, and no settings file left over from an earlier test.
#pragma once

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/store/catalogue.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/programfolder.h"
#include "vendara/store/settingsstore.h"
#include "vendara/window/frmmain.h"

// Qt
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// std
#include <memory>
#include <utility>

#include <gtest/gtest.h>

namespace testsupport {

class CatalogueWindowFixture : public ::testing::Test
{
protected:
    // `catalogueBytes`: what the catalogue file holds when a test starts.
    explicit CatalogueWindowFixture(QByteArray catalogueBytes = QByteArray())
        : mCatalogueBytes(std::move(catalogueBytes))
    {}

    void SetUp() override
    {
        QFile::remove(vendara::SettingsStore().fileName());
        writeBytes(catalogue(), mCatalogueBytes);
    }
    void TearDown() override
    {
        mWindow.reset();
        mContext.reset();
        QFile::remove(vendara::SettingsStore().fileName());
    }

    [[nodiscard]] QString catalogue() const
    {
        return QDir(mDir.path()).filePath(QStringLiteral("vadata.dat"));
    }

    // A new program context and main window over the folder, with the catalogue loaded; a
    // window opened before is closed first. `trace`: the program's trace switch.
    vendara::frmMain &open(bool trace = false)
    {
        mWindow.reset();
        mContext = std::make_unique<vendara::ProgramContext>(vendara::ProgramFolder(mDir.path()),
                                                             mPrompter, trace);
        mWindow = std::make_unique<vendara::frmMain>(*mContext);
        mWindow->load();
        return *mWindow;
    }

    QTemporaryDir mDir;
    ScriptedPrompter mPrompter;
    std::unique_ptr<vendara::ProgramContext> mContext;
    std::unique_ptr<vendara::frmMain> mWindow;

private:
    QByteArray mCatalogueBytes;
};

} // namespace testsupport
