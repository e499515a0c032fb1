// The preview of an update from a spreadsheet: the counts of new, changed, unchanged and
// skipped rows, the list of planned changes (ImportPreview gives its texts), "Copy" for the
// clipboard, "Apply" and "Cancel". The window decides nothing: Apply accepts it, Cancel
// rejects it, and the update window acts on that.
#pragma once

#include "importpreview.h"

// Qt
#include <QDialog>

// std
#include <memory>

class QLabel;
class QPushButton;
class QTableView;

namespace vendara {

class TableModel;

class FrmImportPreview : public QDialog
{
    Q_OBJECT

public:
    explicit FrmImportPreview(ImportPlan plan, QWidget *parent = nullptr);
    ~FrmImportPreview() override;

    [[nodiscard]] const ImportPreview &preview() const { return *mPreview; }
    [[nodiscard]] QTableView *grid() const { return mGrid; }
    [[nodiscard]] QPushButton *applyButton() const { return mApply; }
    [[nodiscard]] QPushButton *cancelButton() const { return mCancel; }
    [[nodiscard]] QPushButton *copyButton() const { return mCopy; }
    [[nodiscard]] QList<QLabel *> countLabels() const { return mCounts; }

    // The list to the clipboard, as tab-separated text and as an HTML table.
    void copy();

private:
    std::unique_ptr<ImportPreview> mPreview;
    TableModel *mModel;
    QTableView *mGrid;
    QPushButton *mCopy;
    QPushButton *mApply;
    QPushButton *mCancel;
    QList<QLabel *> mCounts;
};

} // namespace vendara
