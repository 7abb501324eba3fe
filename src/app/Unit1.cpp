#include "app/Unit1.h"

#include "app/BuildStamp.h"
#include "app/Unit23.h"
#include "data/Unit6.h"
#include "items/Unit3.h"
#include "items/Unit4.h"
#include "orders/Unit41.h"
#include "platform/db/Command.h"
#include "platform/ui/Application.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "production/Unit45.h"
#include "reference/Unit26.h"
#include "reference/Unit28.h"
#include "reference/Unit30.h"
#include "reference/Unit32.h"
#include "reference/Unit34.h"
#include "reference/Unit35.h"
#include "reference/Unit5.h"
#include "reference/Unit8.h"
#include "ui/Screen.h"

#include <QVBoxLayout>

using platform::ui::connectHandler;

TForm1* Form1 = nullptr;

namespace {

// A list opened from the menu shows its add and delete buttons again (a picker may have hidden them).
[[maybe_unused]] void showAddDelete(QPushButton* add, QPushButton* remove)
{
    add->setVisible(true);
    remove->setVisible(true);
}

} // namespace

const char* const TForm1::kClearBaseSql =
    "SELECT truncate_tables('mnf_app');\n"
    "truncate table mnf_proc_tech.tp_operation;truncate table accounts_dep.smena;truncate table accounts_dep.h_tabel;"
    "truncate table accounts_dep.person_temp;SELECT truncate_tables('stk_stocks');SELECT truncate_tables('stk_purchase');";

TForm1::TForm1(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("VELTRO.ERP"));
    MainMenu1 = new QMenuBar(this);
    Image1 = new QLabel(this);
    Image1->setAlignment(Qt::AlignCenter);
    Button1 = new QPushButton(this);
    Button1->setFixedSize(0, 0);
    Button1->setAutoDefault(false);
    Timer1 = new QTimer(this);
    Timer1->setInterval(30000);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(Image1);
    const QSize client(937, 465);
    Image1->setPixmap(ui::backgroundPicture(client));
    Image1->setFixedSize(client);
    buildMenu();
    connectHandler(Button1, &QPushButton::clicked, this, &TForm1::N5Click);
    connectHandler(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

void TForm1::buildMenu()
{
    auto item = [](QMenu* menu, const QString& caption) { return menu->addAction(caption); };
    N2 = MainMenu1->addMenu(QStringLiteral("Справочники"));
    N19 = item(N2, QStringLiteral("Подразделения"));
    N1 = item(N2, QStringLiteral("Персонал"));
    N8 = item(N2, QStringLiteral("Должности"));
    N21 = item(N2, QStringLiteral("Роли"));
    N24 = item(N2, QStringLiteral("Контрагенты"));
    N2->addSeparator(); // N22
    N9 = item(N2, QStringLiteral("Вид номенклатуры"));
    N3 = item(N2, QStringLiteral("ТМЦ"));
    N6 = item(N2, QStringLiteral("Операции"));
    N4 = item(N2, QStringLiteral("Техпроцессы"));
    N2->addSeparator(); // N23
    N20 = item(N2, QStringLiteral("Администрарование"));
    N29 = MainMenu1->addMenu(QStringLiteral("Снабжение"));
    N30 = item(N29, QStringLiteral("Потребность"));
    N31 = item(N29, QStringLiteral("Закупка"));
    N13 = MainMenu1->addMenu(QStringLiteral("Склады"));
    N15 = item(N13, QStringLiteral("Склад сырья и заготовок"));
    N14 = item(N13, QStringLiteral("Склад ГП и заготовок"));
    N18 = MainMenu1->addMenu(QStringLiteral("Производство"));
    N25 = item(N18, QStringLiteral("Номенклатура"));
    N26 = item(N18, QStringLiteral("Заявки"));
    N27 = item(N18, QStringLiteral("Табель"));
    N16 = MainMenu1->addMenu(QStringLiteral("Маркетинг"));
    N17 = item(N16, QStringLiteral("Заявки"));
    N12 = MainMenu1->addMenu(QStringLiteral("База"));
    N28 = item(N12, QStringLiteral("Очистить базу"));
    N5 = MainMenu1->addAction(QStringLiteral("Выход"));

    connectHandler(N28, &QAction::triggered, this, &TForm1::N28Click);
    connectHandler(N5, &QAction::triggered, this, &TForm1::N5Click);

    // Commands whose screens are not part of the program yet stay in the menu, greyed out
    // (wireCommand enables an item). When a screen lands, uncomment its line below.
    for (QAction* a : {N30, N31, N15, N14, N25, N26, N27})
        a->setEnabled(false);

    // Reference data.
    wireCommand(N19, [] { return Form30; }, [] { DataModule6->department.open(); }, [] { DataModule6->department.close(); });
    wireCommand(N1, [] { return Form5; }, [] { Form5->Tag = 0; DataModule6->workers.open(); showAddDelete(Form5->Button1, Form5->Button3); }, [] { DataModule6->workers.close(); });
    wireCommand(N8, [] { return Form26; }, [] { DataModule6->staffpos.open(); }, [] { DataModule6->staffpos.close(); });
    wireCommand(N21, [] { return Form32; }, [] { DataModule6->role.open(); }, [] { DataModule6->role.close(); });
    wireCommand(N24, [] { return Form34; }, [] { Form34->Tag = 0; DataModule6->jur_person.open(); showAddDelete(Form34->Button1, Form34->Button3); }, [] { DataModule6->jur_person.close(); });
    wireCommand(N9, [] { return Form28; }, [] { DataModule6->nomenclature.open(); }, [] { DataModule6->nomenclature.close(); });
    wireCommand(N3, [] { return Form3; }, [] { Form3->Tag = 0; showAddDelete(Form3->Button1, Form3->Button3); }, [] { DataModule6->inventory_items.close(); });
    wireCommand(N6, [] { return Form8; }, [] { Form8->Tag = 0; DataModule6->operation_type.open(); showAddDelete(Form8->Button1, Form8->Button3); }, [] { DataModule6->operation_type.close(); });
    wireCommand(N4, [] { return Form4; }, [] { Form4->Tag = 0; DataModule6->proc_tech.open(); showAddDelete(Form4->Button1, Form4->Button3); }, [] { DataModule6->proc_tech.close(); });
    wireCommand(N20, [] { return Form35; }, [] { Form35->Tag = 0; DataModule6->role.open(); showAddDelete(Form35->Button1, Form35->Button3); }, [] { DataModule6->role.close(); });
    // Purchasing.
    // wireCommand(N30, [] { return Form59; }, [] { Form59->gds_needed.open(); }, [] { Form59->gds_needed.close(); });
    // wireCommand(N31, [] { return Form60; }, [] { Form60->purchase_doc.open(); }, [] { Form60->purchase_doc.close(); });
    // Warehouses.
    // wireCommand(N15, [] { return Form36; }, [] { Form36->Tag = 0; DataModule6->stock.open(); DataModule6->stock.setSort("ii_caption ASC"); showAddDelete(Form36->Button1, Form36->Button3); }, [] { DataModule6->stock.close(); });
    // wireCommand(N14, [] { return Form50; }, [] { Form50->stock.open(); }, [] { Form50->stock.close(); });
    // Production.
    // wireCommand(N25, [] { return Form46; }, [] { Form46->app_spec.open(); }, [] { Form46->app_spec.close(); });
    // wireCommand(N26, [] { return Form55; }, [] { Form55->app_spec.open(); }, [] { Form55->app_spec.close(); });
    wireCommand(N27, [] { return Form45; });
    // Marketing.
    wireCommand(N17, [] { return Form41; }, [] { Form41->Tag = 0; DataModule6->app_doc.open(); DataModule6->app_doc.setSort("d_date DESC, s_person_caption ASC"); showAddDelete(Form41->Button1, Form41->Button3); }, [] { DataModule6->app_doc.close(); });
}

void TForm1::wireCommand(QAction* action, std::function<platform::ui::Form*()> screen, Step before, Step after)
{
    action->setEnabled(true);
    connectHandler(action, &QAction::triggered, this, [screen, before, after] {
        platform::ui::Form* form = screen();
        if (!form)
            return;
        if (before)
            before();
        form->showModal();
        if (after)
            after();
    });
}

void TForm1::FormCreate()
{
    DataModule6 = new TDataModule6;
    Form23 = new TForm23;
    Form23->FormCreate();
    ui::setupWindow(*this);
    Timer1->start();
}

void TForm1::CheckVersion()
{
    const BuildStamp stamp = currentBuildStamp();
    BuildDate = stamp.date;
    BuildTime = stamp.time;

    auto& ver = DataModule6->ver;
    ver.close();
    ver.open();
    ver.first();
    DataModule6->DbDelim = ver.field("delim").asString();
    int d = ver.field("d").asInt();
    int t = ver.field("t").asInt();
    if (d < BuildDate || (d == BuildDate && t < BuildTime)) {
        // Raise the stamp; the condition keeps a newer stamp another workstation wrote meanwhile.
        platform::db::execute(DataModule6->ADO_DB,
                              "update ver set d = :d, t = :t where d < :d or (d = :d and t < :t)",
                              {{"d", BuildDate}, {"t", BuildTime}});
        ver.close();
        ver.open();
        d = ver.field("d").asInt();
        t = ver.field("t").asInt();
    }
    if (d > BuildDate || (d == BuildDate && t > BuildTime)) {
        if (Form23)
            Form23->Timer1->start();
        platform::ui::Prompter::error(platform::ui::kErrorTitle,
                                      QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        platform::ui::Application::terminate();
    }
    ver.close();
}

void TForm1::Timer1Timer()
{
    CheckVersion();
}

void TForm1::N5Click()
{
    closeModal(platform::ui::mrCancel);
}

void TForm1::N28Click()
{
    if (!platform::ui::Prompter::questionWarning(
            platform::ui::kRequestTitle,
            QStringLiteral("Очистить базу? Будут удалены все заявки, работы, табель, складские и закупочные документы.")))
        return;
    platform::ui::BusyCursor busy;
    auto& control = DataModule6->Control;
    control.close();
    control.setSql(QString::fromLatin1(kClearBaseSql));
    control.open();
    control.close();
}
