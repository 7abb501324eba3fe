// Personnel list and worker card: what the user sees, what reaches the database, and the worker
// picker's hand-back in modes 11, 43 and 61.
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "reference/Unit2.h"
#include "reference/Unit5.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <functional>

using testsupport::cell;
using testsupport::pressKey;

namespace {

using platform::ui::mrCancel;
using platform::ui::mrOk;

const QString kFilled = QStringLiteral("Все поля должны быть заполнены!");

class PersonnelTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& workers() { return DataModule6->workers; }

    // Opens the list from the main menu, lets drive act on it, and closes it.
    void withList(const std::function<void(TForm5&)>& drive)
    {
        host.once<TForm5>([drive](TForm5& list) { drive(list); });
        Form1->N1->trigger();
    }
    // Makes the worker with this id the list's current row; returns its record number.
    int select(int id)
    {
        EXPECT_TRUE(workers().locate("id", id)) << "worker " << id << " not listed";
        return workers().recNo();
    }
    int employees() const
    {
        return value("select count(*) from cmn_contractor.person where b_employee").toInt();
    }
    QString person(int id, const QString& column) const
    {
        return value(QStringLiteral("select %1 from cmn_contractor.person where id = %2").arg(column).arg(id));
    }
    QString newestPerson(const QString& column) const
    {
        return value(QStringLiteral("select %1 from cmn_contractor.person order by id desc limit 1").arg(column));
    }
    static void fillCard(TForm2& card, const QString& f, const QString& i, const QString& o)
    {
        card.Edit1->setText(f);
        card.Edit2->setText(i);
        card.Edit3->setText(o);
        card.LCB_staffpos->setKeyValue(6);   // Маляр
        card.LCB_department->setKeyValue(4); // Участок покраски
        card.LCB_roles->setKeyValue(3);      // Рабочий
    }
    // Adds a worker through the card with these texts typed; the list is left open for checks.
    void addWorker(TForm5& list, const QString& f, const QString& i, const QString& o)
    {
        host.once<TForm2>([&](TForm2& card) {
            fillCard(card, f, i, o);
            card.Button1->click();
        });
        list.Button1->click();
    }
};

TEST_F(PersonnelTest, MenuShowsEmployeesWithPositionDepartmentAndRole)
{
    sql("update cmn_contractor.person set b_employee = false where id = 5");
    withList([&](TForm5& list) {
        EXPECT_EQ(list.windowTitle(), "Список рабочих (5)");
        EXPECT_EQ(list.Tag, 0);
        EXPECT_TRUE(list.Button1->isVisible());
        EXPECT_TRUE(list.Button3->isVisible());
        const QStringList titles{"ФИО", "Должность", "Подразделение", "Роль"};
        ASSERT_EQ(list.DBGrid1->model()->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c)
            EXPECT_EQ(list.DBGrid1->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        // Former employees are not listed.
        EXPECT_EQ(workers().recordCount(), employees());
        EXPECT_FALSE(workers().locate("id", 5));
        EXPECT_FALSE(workers().locate("id", 16));
        const int row = select(9) - 1;
        EXPECT_EQ(cell(list.DBGrid1, row, 0), "Степанов Виктор Павлович");
        EXPECT_EQ(cell(list.DBGrid1, row, 1), "Сварщик");
        EXPECT_EQ(cell(list.DBGrid1, row, 2), "Участок заготовки");
        EXPECT_EQ(cell(list.DBGrid1, row, 3), "Рабочий");
    });
    EXPECT_FALSE(workers().active()) << "the menu closes the list's data after the screen";
}

TEST_F(PersonnelTest, AddStoresTrimmedNamesJoinedWithSingleBlanksAsAnEmployee)
{
    const int before = employees();
    withList([&](TForm5& list) {
        workers().setRecNo(7);
        host.once<TForm2>([&](TForm2& card) {
            EXPECT_EQ(card.windowTitle(), "Заведение данных нового работника");
            EXPECT_EQ(card.Tag, 1);
            EXPECT_TRUE(card.Edit1->text().isEmpty());
            fillCard(card, "  Иванов ", "\tИван", "Иванович   ");
            card.Button1->click();
            EXPECT_FALSE(card.isVisible());
        });
        list.Button1->click();
        EXPECT_EQ(workers().recNo(), 1) << "after an add the list starts at its first row";
        EXPECT_EQ(list.DBGrid1->currentRow(), 0);
        EXPECT_TRUE(workers().locate("s_caption", "Иванов Иван Иванович"));
    });
    EXPECT_EQ(employees(), before + 1);
    EXPECT_EQ(newestPerson("s_caption"), "Иванов Иван Иванович");
    EXPECT_EQ(newestPerson("s_second_name || '|' || s_first_name || '|' || s_third_name"), "Иванов|Иван|Иванович");
    EXPECT_EQ(newestPerson("b_employee"), "t");
    EXPECT_EQ(newestPerson("id_staffpos || ',' || id_department || ',' || id_role"), "6,4,3");
}

TEST_F(PersonnelTest, NameWithQuoteAndSemicolonRoundTripsIntoTheList)
{
    const QString surname = QStringLiteral("O'Коннор; drop table x; --");
    withList([&](TForm5& list) {
        addWorker(list, surname, "Шон", "д'Арк");
        const QString caption = surname + " Шон д'Арк";
        ASSERT_TRUE(workers().locate("s_caption", caption));
        EXPECT_EQ(cell(list.DBGrid1, workers().recNo() - 1, 0), caption);
    });
    EXPECT_TRUE(prompter.noMessages());
    EXPECT_EQ(newestPerson("s_second_name"), surname);
}

TEST_F(PersonnelTest, OverlongNamesAreCutToFitTheCaption)
{
    const QString longName(300, QChar(0x0416)); // Ж
    withList([&](TForm5& list) { addWorker(list, longName, longName, longName); });
    EXPECT_TRUE(prompter.noMessages());
    const QString part(TForm2::kNameLength, QChar(0x0416));
    EXPECT_EQ(newestPerson("s_second_name"), part);
    EXPECT_EQ(newestPerson("s_caption"), part + " " + part + " " + part);
}

TEST_F(PersonnelTest, RequiredFieldMissingShowsMessageAndWritesNothing)
{
    const int before = employees();
    const std::vector<std::function<void(TForm2&)>> blanks{
        [](TForm2& c) { c.Edit1->clear(); },
        [](TForm2& c) { c.Edit2->setText("   "); },
        [](TForm2& c) { c.Edit3->clear(); },
        [](TForm2& c) { c.LCB_staffpos->setKeyValue(-1); },
        [](TForm2& c) { c.LCB_department->setKeyValue(-1); },
        [](TForm2& c) { c.LCB_roles->setKeyValue(0); },
    };
    withList([&](TForm5& list) {
        for (std::size_t n = 0; n < blanks.size(); ++n) {
            SCOPED_TRACE(n);
            prompter.clear();
            host.once<TForm2>([&](TForm2& card) {
                fillCard(card, "Иванов", "Иван", "Иванович");
                blanks[n](card);
                card.Button1->click();
                EXPECT_TRUE(prompter.lastIsError(kFilled));
                EXPECT_TRUE(card.isVisible()) << "the card stays open";
            });
            list.Button1->click();
        }
    });
    EXPECT_EQ(employees(), before);
}

TEST_F(PersonnelTest, ChangeFillsTheCardUpdatesTheWorkerAndReturnsToHisRow)
{
    struct Case {
        const char* how;
        bool save;
    };
    for (const Case c : {Case{"button", true}, Case{"double click", true}, Case{"button", false}}) {
        SCOPED_TRACE(std::string(c.how) + (c.save ? ", saved" : ", cancelled"));
        sql("update cmn_contractor.person set s_caption = 'Степанов Виктор Павлович', s_third_name = "
            "'Павлович', id_role = 3 where id = 9");
        withList([&](TForm5& list) {
            const int row = select(9);
            ASSERT_GT(row, 1);
            host.once<TForm2>([&](TForm2& card) {
                EXPECT_EQ(card.windowTitle(), "Изменение данных работника");
                EXPECT_EQ(card.Tag, 2);
                EXPECT_EQ(card.EditedId, 9);
                EXPECT_EQ(card.Edit1->text(), "Степанов");
                EXPECT_EQ(card.Edit2->text(), "Виктор");
                EXPECT_EQ(card.Edit3->text(), "Павлович");
                EXPECT_EQ(card.LCB_staffpos->currentText(), "Сварщик");
                EXPECT_EQ(card.LCB_department->keyValue(), 3);
                EXPECT_EQ(card.LCB_roles->keyValue(), 3);
                card.Edit3->setText(" Петрович ");
                card.LCB_roles->setKeyValue(2);
                (c.save ? card.Button1 : card.Button2)->click();
            });
            if (std::string(c.how) == "button")
                list.Button2->click();
            else
                list.DBGrid1->doubleClickRow(row - 1);
            EXPECT_EQ(workers().recNo(), row);
            EXPECT_EQ(list.DBGrid1->currentRow(), row - 1);
            EXPECT_EQ(workers().field("id").asInt(), 9);
            EXPECT_EQ(workers().field("s_role").asString(), c.save ? "Мастер производства" : "Рабочий")
                << "the list shows the change";
        });
        EXPECT_EQ(person(9, "s_caption"), c.save ? "Степанов Виктор Петрович" : "Степанов Виктор Павлович");
        EXPECT_EQ(person(9, "id_role"), c.save ? "2" : "3");
    }
}

TEST_F(PersonnelTest, DeleteAsksAndOnYesDeletesKeepingTheRowNumber)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        const int before = employees();
        withList([&](TForm5& list) {
            const int row = select(1); // Соколов: nothing refers to him
            const QString next = workers().fieldAt(row, "s_caption").asString();
            yes ? prompter.answerYes("Удалить работника?") : prompter.answerNo("Удалить работника?");
            list.Button3->click();
            EXPECT_EQ(prompter.last().title, "Удаление");
            EXPECT_EQ(workers().recNo(), row);
            EXPECT_EQ(list.DBGrid1->currentRow(), row - 1);
            EXPECT_EQ(workers().field("s_caption").asString(), yes ? next : "Соколов Андрей Викторович");
        });
        EXPECT_EQ(employees(), yes ? before - 1 : before);
    }
    EXPECT_EQ(value("select count(*) from cmn_contractor.person where id = 1"), "0");
}

TEST_F(PersonnelTest, DeleteRefusedByTheDatabaseShowsItsMessageAndKeepsTheList)
{
    const int before = employees();
    withList([&](TForm5& list) {
        const int row = select(15); // Орлова: her orders and requests refer to her
        const int count = workers().recordCount();
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::Error);
        EXPECT_EQ(prompter.last().title, "Ошибка");
        EXPECT_TRUE(prompter.last().text.contains("foreign key")) << prompter.last().text.toStdString();
        EXPECT_TRUE(workers().active());
        EXPECT_EQ(workers().recordCount(), count);
        EXPECT_EQ(workers().recNo(), row);
        EXPECT_EQ(workers().field("id").asInt(), 15);
    });
    EXPECT_EQ(employees(), before);
}

TEST_F(PersonnelTest, SearchFiltersByCaptionStartAndUpDownMoveTheList)
{
    withList([&](TForm5& list) {
        list.Edit1->setText("с"); // Семёнов, Соколов, Степанов
        EXPECT_EQ(workers().recordCount(), 3);
        EXPECT_EQ(workers().recNo(), 1);
        pressKey(list.Edit1, Qt::Key_Down);
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(workers().recNo(), 3);
        EXPECT_EQ(list.DBGrid1->currentRow(), 2);
        pressKey(list.Edit1, Qt::Key_Up);
        EXPECT_EQ(workers().field("s_caption").asString(), "Соколов Андрей Викторович");
        list.Edit1->setCursorPosition(1);
        pressKey(list.Edit1, Qt::Key_Left); // swallowed in this box
        EXPECT_EQ(list.Edit1->cursorPosition(), 1);
        list.Edit1->setText("O'");
        EXPECT_EQ(workers().recordCount(), 0);
        list.Edit1->clear();
        EXPECT_EQ(workers().recordCount(), employees());
    });
    EXPECT_TRUE(prompter.noMessages());
}

TEST_F(PersonnelTest, WorkerIsMissingWhenHisPositionDepartmentOrRoleIsMissing)
{
    for (const char* column : {"id_staffpos", "id_department", "id_role"}) {
        SCOPED_TRACE(column);
        sql("update cmn_contractor.person set id_staffpos = 5, id_department = 3, id_role = 3 where id = 9");
        sql(QStringLiteral("update cmn_contractor.person set %1 = null where id = 9").arg(column));
        withList([&](TForm5&) {
            EXPECT_EQ(workers().recordCount(), employees() - 1);
            EXPECT_FALSE(workers().locate("id", 9));
        });
    }
}

// The shift record entry as far as the worker picker sees it (mode 11).
struct ShiftRecordStandIn : WorkerPickCaller11 {
    int RecordWorkerId = 0;
    int WorkerId = 0;
    int MemberId = 0;
    QLineEdit Edit1;

    int pickRecordWorkerId() const override { return RecordWorkerId; }
    void pickSetWorker(int personId) override { WorkerId = MemberId = personId; }
    QLineEdit* pickNameBox() override { return &Edit1; }

    // What the entry does on "...": returns the picker's answer.
    int pickWorker()
    {
        Form5->Tag = 11;
        Form5->Caller11 = this;
        DataModule6->workers.open();
        Form5->Button2->setText("Выбрать");
        Form5->Button2->setDefault(true);
        Form5->Button1->hide();
        Form5->Button3->hide();
        Form5->Edit1->show();
        Form5->Edit1->clear();
        Form5->showModal();
        DataModule6->workers.close();
        return Form5->Picked;
    }
};

TEST_F(PersonnelTest, Mode11HandsBackTheWorkerUnlessHeIsTheRecordsOwn)
{
    struct Case {
        const char* name;
        int recordWorker;
        const char* search; // typed into the picker's search box
        int picked;
        int worker;
        const char* edit1;
    };
    const Case cases[] = {
        {"new record: name and worker", 0, "", 1, 9, "Степанов Виктор Павлович"},
        {"the record's own worker", 9, "", 0, 0, "Кузнецов Игорь Петрович"},
        {"a brigade member", 2, "", 1, 9, "Кузнецов Игорь Петрович"},
        {"no rows", 0, "zzz", 0, 0, "Кузнецов Игорь Петрович"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShiftRecordStandIn entry;
        entry.RecordWorkerId = c.recordWorker;
        entry.Edit1.setText("Кузнецов Игорь Петрович");
        host.once<TForm5>([&](TForm5& list) {
            EXPECT_FALSE(list.Button1->isVisible());
            list.Edit1->setText(QString::fromUtf8(c.search));
            if (!workers().isEmpty())
                select(9);
            list.Button2->click();
            EXPECT_FALSE(list.isVisible()) << "the picker closes";
        });
        EXPECT_EQ(entry.pickWorker(), c.picked);
        EXPECT_EQ(entry.WorkerId, c.worker);
        EXPECT_EQ(entry.MemberId, c.worker);
        EXPECT_EQ(entry.Edit1.text(), c.edit1);
    }
    EXPECT_EQ(host.shows<TForm2>(), 0) << "picking never opens the card";
}

// A header editor as far as the worker picker sees it (modes 43 and 61).
struct HeaderEditorStandIn : WorkerPickCallerHeader {
    int HeldPersonId = 0;
    QLineEdit Edit2;

    int pickHeldPersonId() const override { return HeldPersonId; }
    void pickSetHeldPersonId(int personId) override { HeldPersonId = personId; }
    QLineEdit* pickNameBox() override { return &Edit2; }

    void pickPerson(int mode)
    {
        Form5->Tag = mode;
        (mode == 43 ? Form5->Caller43 : Form5->Caller61) = this;
        DataModule6->workers.open();
        Form5->Button2->setText("Выбрать");
        Form5->Button1->hide();
        Form5->Button3->hide();
        Form5->Button2->show();
        Form5->Button2->setDefault(true);
        Form5->Edit1->show();
        Form5->Edit1->clear();
        Form5->showModal();
        DataModule6->workers.close();
    }
};

TEST_F(PersonnelTest, Modes43And61HandBackThePersonAndHisName)
{
    struct Case {
        int mode;
        int held;
        bool doubleClick;
        const char* search;
        int heldAfter;
        const char* edit2;
    };
    const Case cases[] = {
        {43, 0, false, "", 9, "Степанов Виктор Павлович"},
        {61, 4, true, "", 9, "Степанов Виктор Павлович"},
        {43, 9, true, "", 9, "Степанов Виктор Павлович"},
        {61, 4, false, "zzz", 4, "прежний"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", held " << c.held << ", search " << c.search);
        HeaderEditorStandIn editor;
        editor.HeldPersonId = c.held;
        editor.Edit2.setText("прежний");
        host.once<TForm5>([&](TForm5& list) {
            list.Edit1->setText(QString::fromUtf8(c.search));
            const int row = workers().isEmpty() ? 0 : select(9);
            if (c.doubleClick)
                list.DBGrid1->doubleClickRow(row - 1);
            else
                list.Button2->click();
            EXPECT_FALSE(list.isVisible()) << "the picker closes";
        });
        editor.pickPerson(c.mode);
        EXPECT_EQ(editor.HeldPersonId, c.heldAfter);
        EXPECT_EQ(editor.Edit2.text(), QString::fromUtf8(c.edit2));
    }
}

TEST_F(PersonnelTest, AfterAPickTheMenuShowsAddAndDeleteAndSelectStillOpensTheCard)
{
    HeaderEditorStandIn editor;
    host.once<TForm5>([&](TForm5& list) { list.Button2->click(); });
    editor.pickPerson(43);
    ASSERT_NE(editor.HeldPersonId, 0);

    withList([&](TForm5& list) {
        EXPECT_EQ(list.Tag, 0);
        EXPECT_TRUE(list.Button1->isVisible());
        EXPECT_TRUE(list.Button3->isVisible());
        EXPECT_EQ(list.Button2->text(), "Выбрать");
        host.once<TForm2>([](TForm2& card) { EXPECT_EQ(card.Tag, 2); });
        list.Button2->click();
    });
    EXPECT_EQ(host.shows<TForm2>(), 1);
}

TEST_F(PersonnelTest, OtherModesMakeChangeDoNothing)
{
    host.once<TForm5>([&](TForm5& list) {
        list.Button2->click();
        list.DBGrid1->doubleClickRow(0);
        EXPECT_TRUE(list.isVisible());
    });
    Form5->Tag = 7;
    DataModule6->workers.open();
    Form5->showModal();
    DataModule6->workers.close();
    EXPECT_EQ(host.shows<TForm2>(), 0);
}

TEST_F(PersonnelTest, ScreenshotsOfTheListAndTheCard)
{
    const QByteArray dir = qgetenv("VELTRO_SCREENSHOT_DIR");
    QTemporaryDir temp;
    const QString base = dir.isEmpty() ? temp.path() : QString::fromLocal8Bit(dir);
    withList([&](TForm5& list) {
        select(9);
        ASSERT_TRUE(testsupport::saveScreenshot(&list, base + "/personnel_list.png"));
        host.once<TForm2>([&](TForm2& card) {
            ASSERT_TRUE(testsupport::saveScreenshot(&card, base + "/worker_card.png"));
        });
        list.Button2->click();
    });
    EXPECT_GT(QFileInfo(base + "/personnel_list.png").size(), 1000);
    EXPECT_GT(QFileInfo(base + "/worker_card.png").size(), 1000);
}

} // namespace
