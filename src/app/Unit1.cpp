#include "app/Unit1.h"

#include "app/BuildStamp.h"
#include "app/Unit23.h"
#include "data/Unit6.h"
#include "platform/db/Command.h"
#include "platform/ui/Application.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "production/Unit45.h"
#include "ui/Screen.h"

#include <QVBoxLayout>

using platform::ui::connectHandler;

TForm1* Form1 = nullptr;

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

    // Commands whose screens are not part of the program yet stay in the menu, greyed out.
    for (QAction* a : {N19, N1, N8, N21, N24, N9, N3, N6, N4, N20, N30, N31, N15, N14, N25, N26, N17})
        a->setEnabled(false);
    wireCommand(N27, [] { return Form45; });
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
