// The print preview: the pages as they will be printed, with zoom, page turning, portrait and
// landscape, and "Print...", which goes through the printer dialog and prints on the printer
// (or PDF file) chosen there.
#pragma once

// Qt
#include <QDialog>
#include <QPrinter>

// std
#include <functional>

class QAction;
class QLabel;
class QPagedPaintDevice;
class QPrintPreviewWidget;

namespace vendara {

class PrintPreview : public QDialog
{
    Q_OBJECT

public:
    // Paints every page on a device and gives the number of pages.
    using PagePainter = std::function<int(QPagedPaintDevice &)>;
    // Shows the printer dialog over the preview's printer and prints; true when printed.
    using PrintCommand = std::function<bool(QPrinter &)>;

    PrintPreview(const QString &documentName, PagePainter paint, PrintCommand print,
                 QWidget *parent = nullptr);

    [[nodiscard]] QPrintPreviewWidget *view() const { return mView; }
    [[nodiscard]] QPrinter &printer() { return mPrinter; }
    [[nodiscard]] int pageCount() const;
    [[nodiscard]] int currentPage() const;
    [[nodiscard]] QAction *printAction() const { return mPrint; }
    [[nodiscard]] QString pageText() const;

    // "Print...": closes the preview when the pages were printed.
    void printPages();

private:
    void pageChanged();

    QPrinter mPrinter;
    PagePainter mPaint;
    PrintCommand mPrintCommand;
    QPrintPreviewWidget *mView;
    QAction *mPrint;
    QLabel *mPage;
};

} // namespace vendara
