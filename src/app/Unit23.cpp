#include "app/Unit23.h"

#include "app/Unit1.h"
#include "app/StyleFile.h"
#include "data/Unit6.h"
#include "platform/ui/Application.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "platform/ui/StyleManager.h"
#include "production/Unit45.h"
#include "ui/Screen.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>

using platform::db::ConnectionSettings;
using platform::ui::connectHandler;

TForm23* Form23 = nullptr;
QStringList TForm23::Arguments = [] {
    return QStringList();
}();

QString TForm23::Target::caption() const
{
    if (form == ConnectionSettings::Form::Driver)
        return QStringLiteral("VELTRO.ERP (сервер: %1, БД: %2)").arg(server, database);
    return QStringLiteral("VELTRO.ERP (Data Source: %1)").arg(dataSource);
}

QString TForm23::Target::failureMessage() const
{
    if (form == ConnectionSettings::Form::Driver)
        return QStringLiteral("Подключение к БД отсутсвует (сервер: %1, БД: %2)").arg(server, database);
    return QStringLiteral("Подключение к БД отсутсвует (Data Source: %1)").arg(dataSource);
}

TForm23::Target TForm23::targetFromArguments(const QStringList& arguments)
{
    Target target;
    const QString first = arguments.value(0);
    const QString second = arguments.value(1);
    if (arguments.size() >= 2) {
        if (!first.isEmpty() && !second.isEmpty()) {
            target.form = ConnectionSettings::Form::Driver;
            target.server = first;
            target.database = second;
        } else {
            target.form = ConnectionSettings::Form::DataSource; // one of the two empty: an empty data source
        }
    } else {
        target.form = ConnectionSettings::Form::DataSource;
        target.dataSource = arguments.size() == 1 ? first : QString::fromLatin1(kDefaultDataSource);
    }
    return target;
}

TForm23::TForm23(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Авторизация"));
    QFont f(QStringLiteral("Tahoma"), 8);
    Label1 = new QLabel(QStringLiteral("Логин"));
    Edit1 = new QLineEdit;
    Label2 = new QLabel(QStringLiteral("Пароль"));
    Edit2 = new QLineEdit(QString::fromLatin1(kServiceCode));
    Edit2->setEchoMode(QLineEdit::Password);
    Label3 = new QLabel;
    Label4 = new QLabel(QStringLiteral("Стиль"));
    ComboBox1 = new QComboBox;
    ComboBox1->setEditable(false);
    ComboBox1->setFocusPolicy(Qt::ClickFocus);
    Button1 = new QPushButton(QStringLiteral("Вход"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Отмена"));
    Timer1 = new QTimer(this);
    Timer1->setInterval(5500);
    Timer1->setSingleShot(true);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(ComboBox1, 2, 1);
    grid->addWidget(Label3, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    setTabOrder(Edit1, Edit2);
    resize(338, 165);

    connectHandler(Button1, &QPushButton::clicked, this, &TForm23::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm23::Button2Click);
    connectHandler(ComboBox1, &QComboBox::activated, this, &TForm23::ComboBox1Change);
    connectHandler(Timer1, &QTimer::timeout, this, &TForm23::Timer1Timer);
}

void TForm23::FormCreate()
{
    ui::setupWindow(*this);
    QStringList names = platform::ui::StyleManager::styleNames();
    names.sort(Qt::CaseInsensitive);
    ComboBox1->addItems(names);
}

void TForm23::FormActivate()
{
    Form1->CheckVersion();
    setWindowTitle(QStringLiteral("Авторизация (build: %1.%2)").arg(Form1->BuildDate).arg(Form1->BuildTime));
    const QString server = Arguments.value(0);
    const QString database = Arguments.value(1);
    if (!server.isEmpty() && !database.isEmpty())
        Label3->setText(QStringLiteral("Сервер: %1, БД: %2").arg(server, database));
    ComboBox1->setCurrentIndex(ComboBox1->findText(platform::ui::StyleManager::activeStyle()));
}

void TForm23::ComboBox1Change()
{
    const QString name = ComboBox1->currentText();
    platform::ui::StyleManager::apply(name, true);
    writeStyleFile(platform::ui::Application::styleFilePath(), name);
}

void TForm23::Button1Click()
{
    Form45->ShiftNo = 1;
    Form45->UserLogin = Edit1->text().trimmed();
    Form45->UserPassword = Edit2->text().trimmed();
    if (Form45->UserPassword == QLatin1String(kServiceCode)) {
        Form45->UserLogin = QString::fromLatin1(kBuiltInLogin);
        Form45->UserPassword = QString::fromLatin1(kBuiltInPassword);
    }

    // The user's row, looked up over the design-time connection.
    auto& user = DataModule6->user;
    user.close();
    user.setParam("s_name", Form45->UserLogin);
    user.open();
    Form45->UserId = user.isEmpty() ? 0 : user.field("id").asInt();
    Form45->PersonId = user.isEmpty() ? 0 : user.field("id_person").asInt();
    user.close();

    const Target target = targetFromArguments(Arguments);
    try {
        DataModule6->ADO_DB.close();
        Form1->setWindowTitle(target.caption());
        const ConnectionSettings settings =
            target.form == ConnectionSettings::Form::Driver
                ? ConnectionSettings::driver(target.server, target.database, Form45->UserLogin, Form45->UserPassword)
                : ConnectionSettings::dataSourceName(target.dataSource, Form45->UserLogin, Form45->UserPassword);
        DataModule6->ADO_DB.open(settings);
    } catch (...) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, target.failureMessage());
        platform::ui::Application::terminate();
        return;
    }

    applyRights(Form45->UserLogin);
    for (auto* smena : {&DataModule6->Smena1, &DataModule6->Smena2, &DataModule6->Smena3, &DataModule6->Smena4})
        smena->setParam("OK", QStringLiteral("ta"));

    hide();
    Form1->showModal();
    // The main window is closed: so is the login window, and the program ends.
    Button2Click();
}

void TForm23::applyRights(const QString& login)
{
    const bool clerk = login == QLatin1String("clerk_a") || login == QLatin1String("clerk_b")
                       || login == QLatin1String("clerk_c");
    const bool econom = login == QLatin1String("econom");
    const bool full = !clerk && !econom;
    Form45->Button1->setEnabled(full);
    Form45->Button2->setEnabled(full);
    Form1->N2->setEnabled(full);
    Form1->N2->menuAction()->setEnabled(full);
    if (econom) {
        for (QWidget* w : std::initializer_list<QWidget*>{Form45->RadioButton1, Form45->RadioButton2, Form45->RadioButton3,
                                                          Form45->RadioButton4, Form45->CBox1, Form45->Button8,
                                                          Form45->DBGrid2, Form45->DateT})
            w->setEnabled(false);
    }
}

void TForm23::Button2Click()
{
    hide();
    platform::ui::Application::terminate();
}

void TForm23::reject()
{
    platform::ui::runGuarded([this] { Button2Click(); });
}

void TForm23::Timer1Timer()
{
    platform::ui::Application::terminate();
}
