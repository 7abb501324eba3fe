// Login window: the user's name and password, the visual style, and the switch to the user's connection.
#pragma once

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

class TForm23 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm23(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormActivate() override;

    void Button1Click();  // log in
    void Button2Click();  // cancel: ends the program
    void ComboBox1Change();
    void Timer1Timer();
    // Esc and the title bar's close button: as "Отмена".
    void reject() override;

    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QLabel* Label3;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QPushButton* Button1;
    QPushButton* Button2;
    QTimer* Timer1;

    // The program's command-line arguments (without the program name); only the first two count.
    static QStringList Arguments;

    // What the command line asks for: the driver form when server and database are both
    // given, else the data-source form (with "veltro_erp_dev" when there are no arguments).
    struct Target {
        platform::db::ConnectionSettings::Form form;
        QString server;
        QString database;
        QString dataSource;
        QString caption() const;        // the main window's caption
        QString failureMessage() const; // the message when the connection cannot be opened
    };
    static Target targetFromArguments(const QStringList& arguments);

private:
    void applyRights(const QString& login);
};

// Service code typed as password: log in as the built-in account.
inline constexpr const char* kServiceCode = "4682";
inline constexpr const char* kBuiltInLogin = "sys";
inline constexpr const char* kBuiltInPassword = "brumvex";
inline constexpr const char* kDefaultDataSource = "veltro_erp_dev";

extern TForm23* Form23;
