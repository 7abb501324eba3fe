// Counterparty list and card: what the user sees, what reaches the database (texts as typed),
// and the picker's hand-back in modes 43, 60 and 61.
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "reference/Unit14.h"
#include "reference/Unit34.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"

#include <QApplication>
#include <QKeyEvent>
#include <functional>

using testsupport::cell;
using testsupport::pressKey;

namespace {

using platform::ui::mrOk;

const QString kFilled = QStringLiteral("Все поля должны быть заполнены!");

// Stands in for a header editor (order header 43, purchase request header 61).
struct HeaderEditorStandIn : CounterpartyPickCallerHeader {
    int held = 0;
    int sets = 0;
    QLineEdit Edit1;
    int pickHeldCounterpartyId() const override { return held; }
    void pickSetHeldCounterpartyId(int id) override
    {
        held = id;
        ++sets;
    }
    QLineEdit* pickNameBox() override { return &Edit1; }
};

// Stands in for the purchase request list (60) with its own requests dataset.
struct RequestListStandIn : CounterpartyPickCaller60 {
    platform::db::Dataset purchase_doc{DataModule6->ADO_DB};
    RequestListStandIn()
    {
        purchase_doc.setSql("select pd.id, pd.id_jur_person from stk_purchase.purchase_doc pd order by pd.id");
    }
    platform::db::Dataset& pickPurchaseDocs() override { return purchase_doc; }
};

class CounterpartiesTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& counterparties() { return DataModule6->jur_person; }

    void withList(const std::function<void(TForm34&)>& drive)
    {
        host.once<TForm34>([drive](TForm34& list) { drive(list); });
        Form1->N24->trigger();
    }
    // Opens the list as a picker does: the mode and caller set, the shared counterparties open,
    // add and delete hidden; closes the counterparties afterwards. Returns the list's result.
    int asPicker(int mode, const std::function<void(TForm34&)>& drive)
    {
        Form34->Tag = mode;
        counterparties().open();
        Form34->Button1->setVisible(false);
        Form34->Button3->setVisible(false);
        Form34->Edit1->clear();
        host.once<TForm34>([drive](TForm34& list) { drive(list); });
        const int result = Form34->showModal();
        counterparties().close();
        return result;
    }
    int select(int id)
    {
        EXPECT_TRUE(counterparties().locate("id", id)) << "counterparty " << id << " not listed";
        return counterparties().recNo();
    }
    int count() const { return value("select count(*) from cmn_contractor.jur_person").toInt(); }
    // "[short]|[full]|[ogrn]|[inn]": brackets show blanks kept around the texts.
    QString stored(const QString& where) const
    {
        return value("select concat('[', s_caption, ']|[', s_full_caption, ']|[', s_ogrn, ']|[', s_inn, ']') "
                     "from cmn_contractor.jur_person where "
                     + where);
    }
};

TEST_F(CounterpartiesTest, ListShowsFullNamesAndSearchesByShortName)
{
    withList([&](TForm34& list) {
        EXPECT_EQ(list.windowTitle(), "Контрагенты");
        const QStringList titles{"Наименование", "ОГРН", "ИНН"};
        ASSERT_EQ(list.DBGrid1->model()->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c)
            EXPECT_EQ(list.DBGrid1->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_EQ(counterparties().recordCount(), count());
        const int row = select(6) - 1;
        EXPECT_EQ(cell(list.DBGrid1, row, 0), "Акционерное общество «ТеплоСтрой»");
        EXPECT_EQ(cell(list.DBGrid1, row, 1), "1027700132195");
        EXPECT_EQ(cell(list.DBGrid1, row, 2), "7703567890");

        list.Edit1->setText("ао"); // the short name "АО «ТеплоСтрой»"; no full name starts so
        EXPECT_EQ(counterparties().recordCount(), 1);
        list.Edit1->setText("ооо");
        EXPECT_EQ(counterparties().recordCount(), 5);
        pressKey(list.Edit1, Qt::Key_Down);
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(counterparties().recNo(), 3);
        EXPECT_EQ(list.DBGrid1->currentRow(), 2);
        pressKey(list.Edit1, Qt::Key_Up);
        EXPECT_EQ(counterparties().recNo(), 2);
        EXPECT_EQ(list.Edit1->text(), "ооо");
        list.Edit1->clear();
        EXPECT_EQ(counterparties().recordCount(), count());
    });
    EXPECT_FALSE(counterparties().active());
}

TEST_F(CounterpartiesTest, AddStoresTextsAsTypedAndNeedsOnlyTheFullName)
{
    struct Case {
        const char* name;
        const char* shortName;
        const char* fullName;
        const char* inn;
        const char* ogrn;
        const char* stored;
    };
    const Case cases[] = {
        {"every field, blanks kept", "  ООО «Вектор» ", " Общество «Вектор»  ", " 7712345678", "1027700000001 ",
         "[  ООО «Вектор» ]|[ Общество «Вектор»  ]|[1027700000001 ]|[ 7712345678]"},
        {"only the full name", "", "Общество «Вектор»", "", "", "[]|[Общество «Вектор»]|[]|[]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("delete from cmn_contractor.jur_person where s_full_caption like '%Общество «Вектор»%'");
        withList([&](TForm34& list) {
            counterparties().setRecNo(4);
            host.once<TForm14>([&](TForm14& card) {
                EXPECT_EQ(card.windowTitle(), "Ведение контрагентов");
                EXPECT_EQ(card.Tag, 1);
                for (QLineEdit* edit : {card.Edit1, card.Edit2, card.Edit3, card.Edit4})
                    EXPECT_TRUE(edit->text().isEmpty());
                card.Edit2->setText(c.shortName);
                card.Edit1->setText(c.fullName);
                card.Edit3->setText(c.inn);
                card.Edit4->setText(c.ogrn);
                card.Button5->click();
                EXPECT_FALSE(card.isVisible());
            });
            list.Button1->click();
            EXPECT_EQ(counterparties().recNo(), 1) << "after an add the list starts at its first row";
            EXPECT_TRUE(counterparties().locate("s_full_caption", c.fullName));
        });
        EXPECT_EQ(stored("s_full_caption like '%Общество «Вектор»%'"), c.stored);
    }
}

TEST_F(CounterpartiesTest, FullNameIsRequired)
{
    const int before = count();
    withList([&](TForm34& list) {
        for (const char* fullName : {"", "   "}) {
            host.once<TForm14>([&](TForm14& card) {
                card.Edit2->setText("ООО «Вектор»");
                card.Edit1->setText(fullName);
                card.Edit3->setText("7712345678");
                card.Button5->click();
                EXPECT_TRUE(prompter.lastIsError(kFilled));
                EXPECT_TRUE(card.isVisible());
            });
            list.Button1->click();
        }
    });
    EXPECT_EQ(count(), before);
}

TEST_F(CounterpartiesTest, ChangeShowsTrimmedTextsStoresThemAsTypedAndReturnsToTheRow)
{
    struct Case {
        const char* name;
        bool doubleClick;
        bool save;
        const char* stored;
    };
    const Case cases[] = {
        {"button", false, true, "[ООО «Метиз-Центр»   ]|[Общество «Метиз-Центр»]|[1185260007891]|[ 5260456789]"},
        {"double click", true, true, "[ООО «Метиз-Центр»   ]|[Общество «Метиз-Центр»]|[1185260007891]|[ 5260456789]"},
        {"cancel", false, false, "[ООО «Метиз-Центр» ]|[  Общество «Метиз-Центр»]|[1185260007891]|[5260456789]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("update cmn_contractor.jur_person set s_caption = 'ООО «Метиз-Центр» ', "
            "s_full_caption = '  Общество «Метиз-Центр»', s_inn = '5260456789' where id = 5");
        withList([&](TForm34& list) {
            const int row = select(5);
            ASSERT_GT(row, 1);
            host.once<TForm14>([&](TForm14& card) {
                EXPECT_EQ(card.Tag, 0);
                EXPECT_EQ(card.Edit2->text(), "ООО «Метиз-Центр»");
                EXPECT_EQ(card.Edit1->text(), "Общество «Метиз-Центр»");
                EXPECT_EQ(card.Edit3->text(), "5260456789");
                EXPECT_EQ(card.Edit4->text(), "1185260007891");
                card.Edit2->setText("ООО «Метиз-Центр»   ");
                card.Edit3->setText(" 5260456789");
                (c.save ? card.Button5 : card.Button6)->click();
            });
            if (c.doubleClick)
                list.DBGrid1->doubleClickRow(row - 1);
            else
                list.Button2->click();
            EXPECT_EQ(counterparties().recNo(), row);
            EXPECT_EQ(list.DBGrid1->currentRow(), row - 1);
            EXPECT_EQ(counterparties().field("id").asInt(), 5);
        });
        EXPECT_EQ(stored("id = 5"), c.stored);
    }
}

TEST_F(CounterpartiesTest, ChangeAfterAnAddChangesThatRow)
{
    const int before = count();
    withList([&](TForm34& list) {
        host.once<TForm14>([&](TForm14& card) {
            card.Edit1->setText("Общество «Вектор»");
            card.Button5->click();
        });
        list.Button1->click();
        select(3);
        host.once<TForm14>([&](TForm14& card) {
            card.Edit3->setText("7800000000");
            card.Button5->click();
        });
        list.Button2->click();
    });
    EXPECT_EQ(count(), before + 1);
    EXPECT_EQ(value("select s_inn from cmn_contractor.jur_person where id = 3"), "7800000000");
}

TEST_F(CounterpartiesTest, DeleteAsksAndOnYesDeletesKeepingTheRowNumber)
{
    sql("insert into cmn_contractor.jur_person (s_caption, s_full_caption) values ('ООО «Лишний»', 'Общество «Лишний»')");
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        withList([&](TForm34& list) {
            ASSERT_TRUE(counterparties().locate("s_caption", "ООО «Лишний»"));
            const int row = counterparties().recNo();
            const QString next = counterparties().fieldAt(row, "s_caption").asString();
            yes ? prompter.answerYes("Удалить строку?") : prompter.answerNo("Удалить строку?");
            list.Button3->click();
            EXPECT_EQ(prompter.last().title, "Удаление");
            EXPECT_EQ(counterparties().recNo(), row);
            EXPECT_EQ(counterparties().field("s_caption").asString(), yes ? next : "ООО «Лишний»");
        });
        EXPECT_EQ(value("select count(*) from cmn_contractor.jur_person where s_caption = 'ООО «Лишний»'"),
                  yes ? "0" : "1");
    }
}

TEST_F(CounterpartiesTest, DeleteRefusedByTheDatabaseShowsItsMessageAndKeepsTheList)
{
    const int before = count();
    withList([&](TForm34& list) {
        const int row = select(6); // АО «ТеплоСтрой» has orders
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::Error);
        EXPECT_TRUE(prompter.last().text.contains("foreign key")) << prompter.last().text.toStdString();
        EXPECT_EQ(counterparties().recordCount(), before);
        EXPECT_EQ(counterparties().recNo(), row);
        EXPECT_EQ(counterparties().field("id").asInt(), 6);
    });
    EXPECT_EQ(count(), before);
}

TEST_F(CounterpartiesTest, NameWithQuoteAndSemicolonRoundTripsIntoTheList)
{
    const QString name = QStringLiteral("ООО 'Рога; и копыта'); delete from cmn_contractor.jur_person; --");
    withList([&](TForm34& list) {
        host.once<TForm14>([&](TForm14& card) {
            card.Edit2->setText("O'Hara; Ltd");
            card.Edit1->setText(name);
            card.Button5->click();
        });
        list.Button1->click();
        ASSERT_TRUE(counterparties().locate("s_full_caption", name));
        EXPECT_EQ(cell(list.DBGrid1, counterparties().recNo() - 1, 0), name);
        list.Edit1->setText("O'H"); // the search takes a quote literally
        EXPECT_EQ(counterparties().recordCount(), 1);
        EXPECT_EQ(cell(list.DBGrid1, 0, 0), name);
    });
    EXPECT_TRUE(prompter.noMessages());
}

// Modes 43 and 61: the header editor gets the id (set only when it differs) and the trimmed full name.
TEST_F(CounterpartiesTest, HeaderEditorPicksGetTheIdAndTheTrimmedFullName)
{
    sql("update cmn_contractor.jur_person set s_full_caption = '  Общество «СтройДом» ' where id = 4");
    struct Case {
        const char* name;
        int mode;
        int held;
        bool doubleClick;
        int sets; // how often the held id was set
    };
    const Case cases[] = {
        {"43, nothing held", 43, 0, false, 1},
        {"43, another held", 43, 2, true, 1},
        {"43, the same held", 43, 4, false, 0},
        {"61, nothing held", 61, 0, true, 1},
        {"61, the same held", 61, 4, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeaderEditorStandIn editor;
        editor.held = c.held;
        (c.mode == 43 ? Form34->Caller43 : Form34->Caller61) = &editor;
        const int result = asPicker(c.mode, [&](TForm34& list) {
            const int row = select(4);
            if (c.doubleClick)
                list.DBGrid1->doubleClickRow(row - 1);
            else
                list.Button2->click();
            EXPECT_FALSE(list.isVisible()) << "the list closes after the pick";
        });
        EXPECT_EQ(result, mrOk);
        EXPECT_EQ(editor.held, 4);
        EXPECT_EQ(editor.sets, c.sets);
        EXPECT_EQ(editor.Edit1.text(), "Общество «СтройДом»");
        Form34->Caller43 = Form34->Caller61 = nullptr;
    }
    EXPECT_EQ(host.shows<TForm14>(), 0) << "a pick opens no card";
}

TEST_F(CounterpartiesTest, HeaderEditorPickFromAnEmptyListOnlyCloses)
{
    HeaderEditorStandIn editor;
    editor.held = 3;
    editor.Edit1.setText("ООО «Колор-Маркет»");
    Form34->Caller43 = &editor;
    asPicker(43, [&](TForm34& list) {
        list.Edit1->setText("нет такого");
        ASSERT_TRUE(counterparties().isEmpty());
        list.Button2->click();
        EXPECT_FALSE(list.isVisible());
    });
    EXPECT_EQ(editor.held, 3);
    EXPECT_EQ(editor.sets, 0);
    EXPECT_EQ(editor.Edit1.text(), "ООО «Колор-Маркет»");
}

// Mode 60: the picked counterparty becomes the supplier of the request list's current request at
// once, and the request list is reopened on the same row.
TEST_F(CounterpartiesTest, RequestListPickSetsTheSupplierOfTheCurrentRequest)
{
    RequestListStandIn requests;
    requests.purchase_doc.open();
    ASSERT_TRUE(requests.purchase_doc.locate("id", 3)); // raised by production, no supplier
    const int requestRow = requests.purchase_doc.recNo();
    Form34->Caller60 = &requests;
    const int result = asPicker(60, [&](TForm34& list) {
        list.DBGrid1->doubleClickRow(select(7) - 1);
        EXPECT_FALSE(list.isVisible());
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(value("select id_jur_person from stk_purchase.purchase_doc where id = 3"), "7");
    EXPECT_EQ(value("select count(*) from stk_purchase.purchase_doc where id_jur_person = 7"), "1")
        << "only the current request changes";
    EXPECT_EQ(requests.purchase_doc.recNo(), requestRow);
    EXPECT_EQ(requests.purchase_doc.field("id_jur_person").asInt(), 7) << "the request list shows the new supplier";

    // With no counterparties listed the pick only closes the list.
    asPicker(60, [&](TForm34& list) {
        list.Edit1->setText("нет такого");
        list.Button2->click();
        EXPECT_FALSE(list.isVisible());
    });
    EXPECT_EQ(value("select id_jur_person from stk_purchase.purchase_doc where id = 3"), "7");
    Form34->Caller60 = nullptr;
    EXPECT_TRUE(prompter.noMessages());
}

TEST_F(CounterpartiesTest, OtherModesMakeChangeDoNothing)
{
    const QString before = stored("id = 2");
    asPicker(5, [&](TForm34& list) {
        list.Button2->click();
        list.DBGrid1->doubleClickRow(0);
        EXPECT_TRUE(list.isVisible());
        list.Button4->click();
    });
    EXPECT_EQ(host.shows<TForm14>(), 0);
    EXPECT_EQ(stored("id = 2"), before);
}

} // namespace
