#include "production/Unit45.h"

#include "platform/ui/Handler.h"
#include "ui/Screen.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TForm45* Form45 = nullptr;

TForm45::TForm45(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Производство (45)"));
    RadioButton1 = new QRadioButton(QStringLiteral("Смена №1"));
    RadioButton2 = new QRadioButton(QStringLiteral("Смена №2"));
    RadioButton3 = new QRadioButton(QStringLiteral("Смена №3"));
    RadioButton4 = new QRadioButton(QStringLiteral("Переработка"));
    RadioButton1->setChecked(true);
    DateT = new platform::ui::DatePicker;
    CBox1 = new QCheckBox(QStringLiteral("Выходной"));
    DBGrid2 = new platform::ui::Grid;
    Button1 = new QPushButton(QStringLiteral("Добавить"));
    Button2 = new QPushButton(QStringLiteral("Изменить"));
    Button7 = new QPushButton(QStringLiteral("Заявки"));
    Button8 = new QPushButton(QStringLiteral("Обновить"));
    Button4 = new QPushButton(QStringLiteral("Выход"));

    auto* top = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(RadioButton1), static_cast<QWidget*>(RadioButton2),
                       static_cast<QWidget*>(RadioButton3), static_cast<QWidget*>(RadioButton4),
                       static_cast<QWidget*>(DateT), static_cast<QWidget*>(CBox1)})
        top->addWidget(w);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    for (QPushButton* b : {Button1, Button2, Button7, Button8})
        bottom->addWidget(b);
    bottom->addStretch();
    bottom->addWidget(Button4);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid2, 1);
    layout->addLayout(bottom);
    resize(1000, 600);
    platform::ui::connectHandler(Button4, &QPushButton::clicked, this, [this] { closeModal(platform::ui::mrCancel); });
}

void TForm45::FormCreate()
{
    ui::setupWindow(*this);
}
