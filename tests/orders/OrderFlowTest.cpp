// An order from the list to its lines as a user enters it, and the order list's own rules.
#include "OrdersFixture.h"

#include "platform/db/Command.h"
#include "support/Screenshot.h"

#include <QDate>
#include <QFileInfo>
#include <QTemporaryDir>

namespace orderstest {
namespace {

class OrderFlowTest : public OrdersTest {};

TEST_F(OrderFlowTest, AddOrderWithPickersThenLinesThenChangeHeaderAndTheDatabaseHoldsWhatWasShown)
{
    // A server reading dates month first: a date sent as the workstation's text "05.03.2031"
    // would be stored as the 3rd of May.
    platform::db::execute(DataModule6->ADO_DB, "set datestyle to 'ISO, MDY'");
    const int ordersBefore = orderCount();
    int newId = 0;

    withOrderList([&](TForm41& list) {
        EXPECT_EQ(list.windowTitle(), "Заявки в производство (41)");
        EXPECT_EQ(orders().sort(), "d_date DESC, s_person_caption ASC");
        const QStringList titles{"№ заявки", "Исполнитель", "Контрагент", "Дата пр-ва", "Дата отгруз.", "Дата заведения", ""};
        ASSERT_EQ(list.DBGridEh1->model()->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c)
            EXPECT_EQ(list.DBGridEh1->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);

        // Add: the header editor with today's dates, the person and the counterparty picked.
        host.once<TForm43>([&](TForm43& editor) {
            EXPECT_EQ(editor.Tag, 1);
            EXPECT_EQ(editor.DateTimePicker1->date(), QDate::currentDate());
            EXPECT_EQ(editor.DateTimePicker2->date(), QDate::currentDate());
            scriptWorkerPick(14);
            editor.Button5->click();
            scriptCounterpartyPick(3);
            editor.Button3->click();
            EXPECT_EQ(editor.Edit2->text(), "Богданова Ольга Игоревна");
            EXPECT_EQ(editor.Edit1->text(), "Общество с ограниченной ответственностью «Колор-Маркет»");
            editor.DateTimePicker1->setDate(QDate(2031, 3, 5));
            editor.DateTimePicker2->setDate(QDate(2031, 4, 9));
            editor.Button1->click();
            EXPECT_FALSE(editor.isVisible());
        });
        list.Button1->click();
        EXPECT_FALSE(DataModule6->workers.active());
        EXPECT_FALSE(DataModule6->jur_person.active());

        newId = value("select max(id) from mnf_app.app_doc").toInt();
        EXPECT_EQ(orders().sort(), "d_date DESC, s_person_caption ASC");
        const int row = selectOrder(newId);
        EXPECT_EQ(cell(list.DBGridEh1, row, 1), "Богданова Ольга Игоревна");
        EXPECT_EQ(cell(list.DBGridEh1, row, 2), "Общество с ограниченной ответственностью «Колор-Маркет»");
        EXPECT_EQ(cell(list.DBGridEh1, row, 3), "05.03.2031");
        EXPECT_EQ(cell(list.DBGridEh1, row, 4), "09.04.2031");

        // Its lines: a painted cabinet in RAL 7024 and an unpainted shelf whose colour box shows a
        // paint all the same; both new, so both pale red.
        withLines(list, newId, [&](TForm42& lines) {
            EXPECT_EQ(lines.DBEdit1->text(), QString::number(newId));
            EXPECT_EQ(lines.DBEdit2->text(), "05.03.2031");
            EXPECT_EQ(lines.DBEdit3->text(), "Общество с ограниченной ответственностью «Колор-Маркет»");
            EXPECT_EQ(lines.DBEdit4->text(), "09.04.2031");
            EXPECT_EQ(lines.DBEdit5->text(), "Богданова Ольга Игоревна");
            EXPECT_EQ(lines.app_spec.recordCount(), 0);

            withLineEditor(lines, [&](TForm44& editor) {
                EXPECT_EQ(editor.GroupBox1->title(), QStringLiteral("Заявка в производство № %1").arg(newId));
                fillLine(editor, {kCabinet, "10", "2500,5", kRal7024});
                EXPECT_EQ(editor.Edit2->text(), "Шкаф распределительный ШР-1");
                EXPECT_EQ(editor.Label2->text(), value("select s_identification from cmn_msm.msm where id = 4"));
                EXPECT_EQ(editor.DBText1->text().replace(',', '.'), "1450");
                editor.Button1->click();
                EXPECT_FALSE(editor.isVisible());
            });
            addLine(lines, {kShelf, "3,5", "400.25", kRal3005});

            ASSERT_EQ(lines.app_spec.recordCount(), 2);
            for (int row = 0; row < 2; ++row)
                EXPECT_TRUE(paintedPaleRed(lines.DBGridEh1, row)) << "row " << row;
            ASSERT_TRUE(lines.app_spec.locate("id_ii", kCabinet));
            const int cabinet = lines.app_spec.recNo() - 1;
            EXPECT_EQ(cell(lines.DBGridEh1, cabinet, 0), "Шкаф распределительный ШР-1");
            EXPECT_EQ(cell(lines.DBGridEh1, cabinet, 3), "RAL 7024");
            ASSERT_TRUE(lines.app_spec.locate("id_ii", kShelf));
            EXPECT_EQ(cell(lines.DBGridEh1, lines.app_spec.recNo() - 1, 3), ""); // no colour for the shelf

            // Delete the shelf.
            prompter.answerYes("Удалить строку?");
            lines.Button3->click();
            ASSERT_EQ(lines.app_spec.recordCount(), 1);
            EXPECT_EQ(lines.app_spec.field("id_ii").asInt(), kCabinet);
            lines.Button4->click();
        });
        EXPECT_FALSE(Form42->app_spec.active());

        // Change the header: another person and a later shipment; the counterparty stays.
        selectOrder(newId);
        host.once<TForm43>([&](TForm43& editor) {
            EXPECT_EQ(editor.Tag, 0);
            EXPECT_EQ(editor.Edit2->text(), "Богданова Ольга Игоревна");
            EXPECT_EQ(editor.HeldPersonId, 14);
            EXPECT_EQ(editor.HeldCounterpartyId, 3);
            EXPECT_EQ(editor.DateTimePicker1->date(), QDate(2031, 3, 5));
            scriptWorkerPick(15);
            editor.Button5->click();
            editor.DateTimePicker2->setDate(QDate(2031, 5, 12));
            editor.Button1->click();
        });
        list.Button2->click();
        EXPECT_EQ(orders().field("id").asInt(), newId) << "the changed order stays current";
        EXPECT_EQ(cell(list.DBGridEh1, orders().recNo() - 1, 1), "Орлова Марина Викторовна");
        EXPECT_EQ(cell(list.DBGridEh1, orders().recNo() - 1, 4), "12.05.2031");
    });

    EXPECT_FALSE(orders().active());
    EXPECT_EQ(orderCount(), ordersBefore + 1);
    EXPECT_EQ(value(QStringLiteral("select concat_ws('|', id_jur_person, id_person, d_mnf, d_out) "
                                   "from mnf_app.app_doc where id = %1").arg(newId)),
              "3|15|2031-03-05|2031-05-12");
    EXPECT_EQ(value(QStringLiteral("select concat_ws('|', id_ii, cnt, id_ral, id_gds, price, cost_price, state, done, accept) "
                                   "from mnf_app.app_spec where id_app_doc = %1").arg(newId)),
              "12|10|6|9|2500.5000|1450.0000|0|0|f");
    EXPECT_EQ(prompter.count(), 1) << "only the delete question was asked";
}

TEST_F(OrderFlowTest, UnpaintedProductIsStoredWithoutColourAndQuantityTakesEitherMark)
{
    struct Case {
        const char* delim;
        const char* quantity;
        const char* stored;
    };
    const Case cases[] = {{".", "3,5", "3.5"}, {".", "3.5", "3.5"}, {",", "2,25", "2.25"}, {",", "2.25", "2.25"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("delimiter ") + c.delim + ", quantity " + c.quantity);
        sql("delete from mnf_app.app_spec where id_app_doc = 7");
        DataModule6->DbDelim = QString::fromLatin1(c.delim);
        withOrderList([&](TForm41& list) {
            withLines(list, 7, [&](TForm42& lines) { addLine(lines, {kShelf, c.quantity, "400", kRal3005}); });
        });
        EXPECT_EQ(value("select concat_ws('|', id_ii, cnt, id_ral, id_gds, price) from mnf_app.app_spec where id_app_doc = 7"),
                  QStringLiteral("15|%1|0|4|400.0000").arg(c.stored));
    }
}

TEST_F(OrderFlowTest, HeaderNeedsBothPersonAndCounterparty)
{
    const int before = orderCount();
    withOrderList([&](TForm41& list) {
        host.once<TForm43>([&](TForm43& editor) {
            editor.Button1->click(); // nothing held yet
            EXPECT_TRUE(prompter.lastIsError(kAllFields));
            scriptCounterpartyPick(2);
            editor.Button3->click();
            prompter.clear();
            editor.Button1->click();
            EXPECT_TRUE(prompter.lastIsError(kAllFields));
            EXPECT_TRUE(editor.isVisible());
        });
        list.Button1->click();

        Form43->HeldCounterpartyId = 0; // as if no counterparty had ever been chosen
        host.once<TForm43>([&](TForm43& editor) {
            scriptWorkerPick(5);
            editor.Button5->click();
            prompter.clear();
            editor.Button1->click();
            EXPECT_TRUE(prompter.lastIsError(kAllFields));
        });
        list.Button1->click();
    });
    EXPECT_EQ(orderCount(), before);
}

TEST_F(OrderFlowTest, OrderWithAnAcceptedLineIsNotDeletedWhileAnOrderOfNewLinesIs)
{
    withOrderList([&](TForm41& list) {
        selectOrder(3); // lines accepted into production
        list.Button3->click();
        EXPECT_TRUE(prompter.lastIsError("У ордера есть принятые строки спецификации!\nУдаление невозможно."));
        EXPECT_EQ(orderCount(), 7);

        const int row = selectOrder(4); // three new lines
        prompter.answerYes("Удалить заявку (будут удалены все строки спецификации)?");
        list.Button3->click();
        EXPECT_FALSE(orders().locate("id", 4));
        EXPECT_EQ(orders().sort(), "d_date DESC, s_person_caption ASC");
        EXPECT_EQ(orders().recNo(), row + 1) << "back to the row number of the deleted order";
    });
    EXPECT_EQ(value("select count(*) from mnf_app.app_doc where id = 3"), "1");
    EXPECT_EQ(value("select count(*) from mnf_app.app_doc where id = 4"), "0");
    EXPECT_EQ(lineCount(4), 0);
    EXPECT_EQ(lineCount(3), 3);
}

TEST_F(OrderFlowTest, DeletingTheOnlyOrderLeavesAnEmptyList)
{
    sql("delete from mnf_app.app_doc where id <> 7");
    withOrderList([&](TForm41& list) {
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(orders().recordCount(), 0);
        list.Button3->click(); // nothing to delete, nothing asked
        list.Button2->click(); // nothing to change
        list.DBGridEh1->doubleClickRow(0);
    });
    EXPECT_EQ(orderCount(), 0);
}

TEST_F(OrderFlowTest, EllipsisOpensTheLinesAndAcceptedLinesCannotBeDeleted)
{
    withOrderList([&](TForm41& list) {
        const int row = selectOrder(3);
        host.once<TForm42>([&](TForm42& lines) {
            EXPECT_EQ(lines.Tag, 1);
            EXPECT_EQ(lines.HeldOrderId, 3);
            ASSERT_EQ(lines.app_spec.recordCount(), 3);
            for (int r = 0; r < 3; ++r)
                EXPECT_FALSE(paintedPaleRed(lines.DBGridEh1, r));
            lines.app_spec.setRecNo(2);
            lines.Button3->click();
            EXPECT_TRUE(prompter.lastIsError("Невозможно удалить принятую в работу строку спецификации!"));
        });
        list.DBGridEh1->clickEllipsis(row, list.DBGridEh1->model()->columnCount() - 1);
    });
    EXPECT_EQ(lineCount(3), 3);
}

TEST_F(OrderFlowTest, ScreenshotsWithTheLinesOfANewAndAnAcceptedLine)
{
    sql("insert into mnf_app.app_spec (id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price) "
        "values (3, 14, 6, 7, 3, 4800, 2900)");
    const QByteArray dir = qgetenv("VELTRO_SCREENSHOT_DIR");
    QTemporaryDir temp;
    const QString base = dir.isEmpty() ? temp.path() : QString::fromLocal8Bit(dir);
    const QString path = base + "/order_lines.png";
    withOrderList([&](TForm41& list) {
        withLines(list, 3, [&](TForm42& lines) {
            ASSERT_EQ(lines.app_spec.recordCount(), 4);
            int fresh = 0;
            for (int r = 0; r < 4; ++r)
                fresh += paintedPaleRed(lines.DBGridEh1, r) ? 1 : 0;
            EXPECT_EQ(fresh, 1);
            lines.app_spec.setRecNo(2);
            ASSERT_TRUE(testsupport::saveScreenshot(&lines, path));
            withLineEditor(lines, [&](TForm44& editor) {
                fillLine(editor, {kBracket, "12", "95", kRal7024});
                ASSERT_TRUE(testsupport::saveScreenshot(&editor, base + "/order_line_editor.png"));
            });
        });
        ASSERT_TRUE(testsupport::saveScreenshot(&list, base + "/order_list.png"));
        host.once<TForm43>([&](TForm43& editor) {
            ASSERT_TRUE(testsupport::saveScreenshot(&editor, base + "/order_header.png"));
        });
        list.Button2->click();
    });
    EXPECT_GT(QFileInfo(path).size(), 1000);
}

} // namespace
} // namespace orderstest
