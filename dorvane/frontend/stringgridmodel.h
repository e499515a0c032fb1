// The cells of a grid of texts with one header row: the viewer's grid of database records
// and the picker's list of database files. The view shows it; the cells live here.
#pragma once

// Qt
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// std
#include <vector>

namespace dorvane {

class StringGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit StringGridModel(int columns, QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    // The header row and the widths of the columns in pixels (0: the column is hidden).
    void setHeaders(const QStringList &headers, const QList<int> &widths);
    [[nodiscard]] int columnWidth(int column) const;
    [[nodiscard]] QString header(int column) const;

    // Replaces every row below the header: `cells` holds rows × columns texts, row by row;
    // rows beyond the given cells are empty.
    void setRows(int rows, std::vector<QString> cells);
    void clearRows(); // no rows below the header

    [[nodiscard]] QString cell(int row, int column) const;

signals:
    void columnWidthsChanged();

private:
    int mColumns;
    int mRows = 0;
    QStringList mHeaders;
    QList<int> mWidths;
    std::vector<QString> mCells;
};

} // namespace dorvane
