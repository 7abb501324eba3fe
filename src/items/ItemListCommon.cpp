#include "items/ItemListCommon.h"

#include "ui/ListScreen.h"

namespace itemlist {

namespace {

constexpr const char* kSearchPrefix = "marka like '%";
constexpr const char* kSearchSuffix = "%'";

} // namespace

void installItemListBehaviour(platform::ui::Grid* grid, QLineEdit* search, platform::db::Dataset& dataset)
{
    ui::installSearch(search, dataset, QString::fromLatin1(kSearchPrefix), QString::fromLatin1(kSearchSuffix),
                      ui::SearchKeys::B);
    ui::installTitleSort(grid, {{QStringLiteral("marka"), QStringLiteral("marka DESC, s_nom ASC"), kItemListSort},
                                {QStringLiteral("s_nom"), QStringLiteral("s_nom DESC, marka ASC"),
                                 QStringLiteral("s_nom, marka ASC")}});
    grid->setRowBackground([&dataset](int row) -> std::optional<QColor> {
        const int ral = dataset.fieldIndex(QStringLiteral("ral"));
        if (ral >= 0 && dataset.fieldAt(row, ral).asBool())
            return platform::ui::kPaleGreen;
        return std::nullopt;
    });
}

platform::ui::GridColumn centred(const QString& field, const QString& title, int width)
{
    platform::ui::GridColumn column;
    column.field = field;
    column.title = title;
    column.width = width;
    column.alignment = Qt::AlignHCenter;
    return column;
}

void openSorted(platform::db::Dataset& dataset)
{
    if (!dataset.active())
        dataset.open();
    dataset.setSort(kItemListSort);
}

} // namespace itemlist
