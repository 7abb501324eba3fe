// Process editor: saving the header in each mode and each branch, a new process started from an
// item, the product and material pickers (alone and over the item list), operations refused
// before product and material are known, and two workstations creating processes at once.
#include "items/ProcessScreens.h"

#include "items/Unit3.h"
#include "items/Unit303.h"
#include "platform/db/Command.h"
#include "platform/db/Connection.h"
#include "support/Screenshot.h"

#include <QDir>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

const QString kAllFilled = QStringLiteral("Все поля должны быть заполнены.");
const QString kSaveQuestion = QStringLiteral("Сохранить изменения?");
const QString kShelf = QStringLiteral("Короб кабельный КК-100"); // item 16: a product without a process

class ProcessEditorTest : public processtest::ProcessScreensTest {
protected:
    platform::db::Dataset& items() { return DataModule6->inventory_items; }

    // The process list as the item list's "..." opens it on one item (the item list beneath).
    void withProcessesOfItem(int itemId, const std::function<void(TForm4&)>& drive)
    {
        host.once<TForm3>([&](TForm3& list) {
            ASSERT_TRUE(items().locate("id", itemId));
            host.once<TForm4>([&](TForm4& processes) { drive(processes); });
            list.DBGridEh1->clickEllipsis(items().recNo() - 1, 11);
        });
        Form1->N3->trigger();
    }
    void withNewProcessOfItem(int itemId, const std::function<void(TForm33&)>& drive)
    {
        withProcessesOfItem(itemId, [&](TForm4& list) {
            host.once<TForm33>([&](TForm33& editor) { drive(editor); });
            list.Button1->click();
        });
    }
    // Every listed row of a picker's dataset satisfies the condition on the item type.
    static bool everyType(platform::db::Dataset& list, const std::function<bool(int)>& ok)
    {
        for (int row = 0; row < list.recordCount(); ++row)
            if (!ok(list.fieldAt(row, "id_type").asInt()))
                return false;
        return list.recordCount() > 0;
    }
};

TEST_F(ProcessEditorTest, HeaderSaveBranchesInEachMode)
{
    enum class Mode { Existing, New, NewOfItem };
    enum class Reply { None, Yes, No };
    struct Case {
        const char* name;
        Mode mode;
        std::function<void(TForm33&)> fill;
        Reply reply;
        bool refused;       // "Все поля должны быть заполнены."
        bool saveAndExit;   // "Сохранить и выйти" rather than "Сохранить"
        const char* stored; // the header written (process 4, or the new one); nullptr: no new process
    };
    const char* const demo4 = "Изготовление шкафа ШР-1|12|9";
    auto name = [](const char* text) { return [text](TForm33& e) { e.Edit3->setText(text); }; };
    auto full = [](const char* text) {
        return [text](TForm33& e) {
            chooseItems(e, 16, kShelf, 2, "Лист 08пс 2,0 мм");
            e.Edit3->setText(text);
        };
    };
    auto material = [](const char* text) {
        return [text](TForm33& e) {
            e.pickMaterialBox()->setText("Лист оцинкованный 0,7 мм");
            e.pickSetMaterialId(4);
            e.Edit3->setText(text);
        };
    };
    auto nothing = [](TForm33&) {};
    const Case cases[] = {
        {"new: nothing typed", Mode::New, nothing, Reply::None, false, false, nullptr},
        {"existing: nothing changed", Mode::Existing, nothing, Reply::None, false, false, demo4},
        {"existing: name blank", Mode::Existing, name("   "), Reply::None, true, false, demo4},
        {"existing: name empty, save and exit", Mode::Existing, name(""), Reply::None, true, true, demo4},
        {"new: no material", Mode::New,
         [](TForm33& e) {
             chooseItems(e, 16, kShelf, 0, "");
             e.Edit3->setText("Короб");
         },
         Reply::None, true, false, nullptr},
        {"new of item: no material", Mode::NewOfItem, name("Короб"), Reply::None, true, false, nullptr},
        {"existing: No", Mode::Existing, name("Шкаф, вариант 2"), Reply::No, false, false, demo4},
        {"new: No", Mode::New, full("Короб"), Reply::No, false, false, nullptr},
        {"new of item: No", Mode::NewOfItem, material("Короб"), Reply::No, false, false, nullptr},
        {"existing: Yes", Mode::Existing,
         [](TForm33& e) {
             chooseItems(e, 15, "Полка ПЛ-800", 4, "Лист оцинкованный 0,7 мм");
             e.Edit3->setText("  Полка из шкафа ");
         },
         Reply::Yes, false, false, "Полка из шкафа|15|4"},
        {"existing: Yes, save and exit", Mode::Existing, name("Шкаф 'ШР-1'"), Reply::Yes, false, true,
         "Шкаф 'ШР-1'|12|9"},
        {"new: Yes", Mode::New, full(" Короб КК-100 "), Reply::Yes, false, false, "Короб КК-100|16|2"},
        {"new of item: Yes", Mode::NewOfItem, material("Короб из оцинковки"), Reply::Yes, false, false,
         "Короб из оцинковки|16|4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("update mnf_proc_tech.proc_tech set s_caption = 'Изготовление шкафа ШР-1', id_inventory_items = 12, "
            "id_gds = 9 where id = 4");
        prompter.clear();
        if (c.reply == Reply::Yes)
            prompter.answerYes(kSaveQuestion);
        if (c.reply == Reply::No)
            prompter.answerNo(kSaveQuestion);
        const int before = processCount();
        qint64 created = 0;
        auto drive = [&](TForm33& editor) {
            const int mode = editor.Tag;
            EXPECT_EQ(mode, c.mode == Mode::Existing ? 0 : c.mode == Mode::New ? 1 : 11);
            EXPECT_EQ(editor.Button1->isEnabled(), c.mode == Mode::Existing);
            c.fill(editor);
            (c.saveAndExit ? editor.Button4 : editor.Button6)->click();
            EXPECT_EQ(editor.isVisible(), !c.saveAndExit);
            const bool saved = c.reply == Reply::Yes;
            for (QPushButton* button : {editor.Button1, editor.Button2, editor.Button3, editor.Button4})
                EXPECT_EQ(button->isEnabled(), saved || c.mode == Mode::Existing);
            if (c.mode != Mode::Existing) {
                created = editor.HeldProcessId;
                EXPECT_EQ(editor.Tag, saved ? 0 : mode);
                EXPECT_EQ(editor.GroupBox1->title(),
                          saved ? QStringLiteral("Техпроцесс № %1").arg(created) : QStringLiteral("Техпроцесс № "));
                if (saved) {
                    EXPECT_EQ(operations().param("id_proc_tech").toWire(), std::to_string(created));
                    EXPECT_EQ(editor.full_price.param("id_pt").toWire(), std::to_string(created));
                }
            }
        };
        if (c.mode == Mode::Existing)
            withProcess(4, drive);
        else if (c.mode == Mode::New)
            withNewProcess(drive);
        else
            withNewProcessOfItem(16, drive);

        if (c.refused)
            EXPECT_TRUE(prompter.lastIsError(kAllFilled));
        else if (c.reply != Reply::None)
            EXPECT_TRUE(prompter.lastIs(platform::ui::MessageKind::Question, "Сохраннение", kSaveQuestion));
        else
            EXPECT_TRUE(prompter.noMessages());
        EXPECT_EQ(prompter.count(), c.refused || c.reply != Reply::None ? 1 : 0);
        if (c.mode == Mode::Existing) {
            EXPECT_EQ(header(4), c.stored);
            EXPECT_EQ(processCount(), before);
        } else {
            EXPECT_EQ(processCount(), before + (c.stored ? 1 : 0));
            EXPECT_EQ(created != 0, c.stored != nullptr);
            if (c.stored) {
                EXPECT_EQ(header(created), c.stored);
            }
        }
    }
}

// From the item list's "..." a new process has the item as its product, and its material comes
// from the second item list with the narrower choice (no blanks, no paints).
TEST_F(ProcessEditorTest, NewProcessOfAnItemHasItAsProductAndPicksAMaterialFromTheSecondList)
{
    qint64 created = 0;
    withProcessesOfItem(16, [&](TForm4& list) {
        EXPECT_EQ(processes().recordCount(), 0) << "item 16 has no process yet";
        host.once<TForm33>([&](TForm33& editor) {
            EXPECT_EQ(editor.Tag, TForm33::kModeNewOfItem);
            EXPECT_EQ(editor.Edit2->text(), kShelf);
            EXPECT_EQ(editor.HeldProductId, 16);
            host.once<TForm303>([&](TForm303& second) {
                EXPECT_TRUE(Form3->isVisible()) << "the item list is beneath";
                EXPECT_EQ(second.Tag, TForm303::kModeMaterial);
                EXPECT_EQ(second.Button2->text(), "Выбрать");
                EXPECT_TRUE(second.inventory_items.sql().endsWith(kPickTailNewProcessMaterial));
                EXPECT_TRUE(everyType(second.inventory_items, [](int type) { return type != 1 && type != 3; }));
                ASSERT_TRUE(second.inventory_items.locate("id", 4));
                second.Button2->click();
            });
            editor.Button7->click();
            EXPECT_EQ(editor.Edit4->text(), "Лист оцинкованный 0,7 мм");
            EXPECT_EQ(editor.HeldMaterialId, 4);
            editor.Edit3->setText("Изготовление короба КК-100");
            prompter.answerYes(kSaveQuestion);
            editor.Button6->click();
            created = editor.HeldProcessId;
            editor.Button4->click();
        });
        list.Button1->click();
        EXPECT_EQ(processes().recordCount(), 1) << "the list shows the item's new process";
        EXPECT_EQ(processes().field("id").asInt64(), created);
    });
    EXPECT_EQ(header(created), "Изготовление короба КК-100|16|4");
    EXPECT_EQ(Form303->Caller3, nullptr);
}

TEST_F(ProcessEditorTest, PickersFromTheMenuUseTheItemListAndPutItBack)
{
    withProcess(4, [&](TForm33& editor) {
        host.once<TForm3>([&](TForm3& list) {
            EXPECT_EQ(list.Tag, TForm3::kModeProduct);
            EXPECT_EQ(list.Button2->text(), "Выбрать");
            EXPECT_TRUE(list.Button1->isHidden());
            EXPECT_TRUE(list.Button3->isHidden());
            EXPECT_TRUE(everyType(items(), [](int type) { return type != 0; })) << "raw materials are no products";
            ASSERT_TRUE(items().locate("id", 15));
            list.Button2->click();
        });
        editor.Button5->click();
        host.once<TForm3>([&](TForm3& list) {
            EXPECT_EQ(list.Tag, TForm3::kModeMaterial);
            EXPECT_TRUE(items().sql().endsWith(kPickTailMaterial));
            ASSERT_TRUE(items().locate("id", 4));
            list.DBGridEh1->doubleClickRow(items().recNo() - 1);
        });
        editor.Button7->click();
        EXPECT_EQ(editor.Edit2->text(), "Полка ПЛ-800");
        EXPECT_EQ(editor.Edit4->text(), "Лист оцинкованный 0,7 мм");
        prompter.answerYes(kSaveQuestion);
        editor.Button6->click();
    });
    EXPECT_EQ(header(4), "Изготовление шкафа ШР-1|15|4");
    EXPECT_EQ(items().sql(), TDataModule6::inventoryItemsSql());
    EXPECT_FALSE(items().active());
    EXPECT_FALSE(Form3->Button1->isHidden());
    EXPECT_EQ(Form3->Button2->text(), "Изменить");
    EXPECT_EQ(Form3->Tag, 0);
}

// Reached through the item list, which cannot be shown twice, both pickers use the second list.
TEST_F(ProcessEditorTest, PickersOverTheItemListUseTheSecondList)
{
    withProcessesOfItem(12, [&](TForm4& list) {
        host.once<TForm33>([&](TForm33& editor) {
            host.once<TForm303>([&](TForm303& second) {
                EXPECT_TRUE(everyType(second.inventory_items, [](int type) { return type != 0; }));
                ASSERT_TRUE(second.inventory_items.locate("id", 19));
                second.Button2->click();
            });
            editor.Button5->click();
            host.once<TForm303>([&](TForm303& second) {
                EXPECT_TRUE(second.inventory_items.sql().endsWith(kPickTailMaterial));
                ASSERT_TRUE(second.inventory_items.locate("id", 10));
                second.Button2->click();
            });
            editor.Button7->click();
            EXPECT_EQ(editor.Edit2->text(), "Шкаф ШР-1 в сборе с панелью");
            EXPECT_EQ(editor.HeldProductId, 19);
            EXPECT_EQ(editor.Edit4->text(), "Заготовка двери ШР-1");
            EXPECT_EQ(editor.HeldMaterialId, 10);
        });
        list.Button2->click();
    });
    EXPECT_EQ(host.shows<TForm3>(), 1);
    EXPECT_EQ(header(4), "Изготовление шкафа ШР-1|12|9") << "nothing saved";
}

TEST_F(ProcessEditorTest, OperationsNeedTheProductAndTheMaterialFirst)
{
    struct Case {
        const char* name;
        const char* insert;
    };
    const Case cases[] = {
        {"no material", "insert into mnf_proc_tech.proc_tech (s_caption, id_inventory_items) values ('Без материала', "
                        "16) returning id"},
        {"no product", "insert into mnf_proc_tech.proc_tech (s_caption, id_gds) values ('Без изделия', 2) returning id"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int id = value(c.insert).toInt();
        withProcess(id, [&](TForm33& editor) {
            editor.Button1->click();
            EXPECT_TRUE(prompter.lastIsError("Необходимо выбрать издение и материал."));
        });
        EXPECT_EQ(operationsOf(id), "");
    }
    EXPECT_EQ(host.shows<TForm10>(), 0);
}

// Two workstations save a new process at the same moment: the other one takes its number after
// this one's insert has taken its own and before this one could read anything back, so the
// sequence's last value is the other's. Each editor still shows its own process.
TEST_F(ProcessEditorTest, TwoWorkstationsCreatingProcessesAtOnceEachGetTheirOwnNumber)
{
    platform::db::Connection other;
    other.open(db->settings());
    // The other workstation holds the product row, so this workstation's insert waits (on its
    // reference check) after taking its number.
    other.begin();
    platform::db::scalar(other, "select id from cmn_inventory_items.inventory_items where id = 16 for update");
    qint64 othersId = 0;
    std::string othersError;
    std::thread second([&] {
        try {
            platform::db::Connection watcher;
            watcher.open(db->settings());
            for (int i = 0; i < 500; ++i) { // until this workstation's insert waits (10 s at most)
                if (platform::db::scalar(watcher, "select count(*) from pg_stat_activity where datname = "
                                                  "current_database() and wait_event_type = 'Lock'")
                        .toInt()
                    > 0)
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            othersId = platform::db::scalar(other,
                                            "insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, "
                                            "id_gds) values ('Вторая станция', 16, 2) returning id")
                           .toLongLong();
            other.commit();
        } catch (const std::exception& e) {
            othersError = e.what();
            other.rollback();
        }
    });
    qint64 ownId = 0;
    withNewProcess([&](TForm33& editor) {
        chooseItems(editor, 16, kShelf, 2, "Лист 08пс 2,0 мм");
        editor.Edit3->setText("Первая станция");
        prompter.answerYes(kSaveQuestion);
        editor.Button6->click();
        ownId = editor.HeldProcessId;
        EXPECT_EQ(editor.GroupBox1->title(), QStringLiteral("Техпроцесс № %1").arg(ownId));
        EXPECT_EQ(operations().param("id_proc_tech").toWire(), std::to_string(ownId));
    });
    second.join();
    ASSERT_EQ(othersError, "");
    EXPECT_GT(othersId, ownId) << "the other workstation took its number after this one";
    EXPECT_EQ(value("select pg_sequence_last_value('mnf_proc_tech.proc_tech_id_seq')").toLongLong(), othersId);
    EXPECT_EQ(header(ownId), "Первая станция|16|2");
    EXPECT_EQ(header(othersId), "Вторая станция|16|2");
}

// Renders the editor on a process with operations (set VELTRO_SCREENSHOT_DIR to keep the PNG).
TEST_F(ProcessEditorTest, Screenshot)
{
    const QString dir = qEnvironmentVariable("VELTRO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "VELTRO_SCREENSHOT_DIR not set";
    withProcess(4, [&](TForm33& editor) {
        EXPECT_TRUE(testsupport::saveScreenshot(&editor, QDir(dir).filePath("process_editor.png")));
        host.once<TForm10>([&](TForm10& operation) {
            EXPECT_TRUE(testsupport::saveScreenshot(&operation, QDir(dir).filePath("operation_editor.png")));
        });
        editor.Button2->click();
    });
    withList([&](TForm4& list) { EXPECT_TRUE(testsupport::saveScreenshot(&list, QDir(dir).filePath("process_list.png"))); });
}

} // namespace
