// "Extended": which sensor is wired to each of the module's two spare analogue inputs,
// and how its reading is converted.
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/pages/RecordPageKit.h"
#include "ui/widgets/RadioGroup.h"

namespace orvanta::ui {

QWidget* createExtendedPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet29");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(8);
    QHBoxLayout* top = kit::buttonRow({kit::requestButton(ctx, page, "BitBtn53234242134214", "Read", 195, 110),
                                       kit::requestButton(ctx, page, "BitBtn60qwrqerqeqw", "Save", 197, 111)});
    top->addWidget(makeHelpPicture("Image4", "/Installation/Add.htm", page));
    v->addLayout(top);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);

    QGroupBox* ch14 = makeGroup("GroupBoxAdc14", "ADC  channel 14 [Orvanta v7.8.x 28pin, v7.9 33pin ]", page);
    auto* c14 = new QVBoxLayout(ch14);
    auto* type14 = new RadioGroup("RadioGroup18", "Sensor type",
                                  {"Fault headlight range control", "LPG Level", "Fuel pressure(U 0..150 PSI)",
                                   "Oil pressure sensor(U 0..7 bar)", "MPX5700", "Oil pressure sensor(U 0..150 PSI)",
                                   "EGT (K-type with AD8495)"},
                                  1, ch14);
    type14->setItemIndex(0);
    c14->addWidget(type14);
    auto* formula = new QLabel("F=A*U*U + B*U + C", ch14);
    formula->setFont(boldFont(formula));
    c14->addWidget(formula);
    auto* coeffs = new QGridLayout;
    coeffs->setVerticalSpacing(3);
    int r = 0;
    for (auto [name, caption] : {std::pair{"SpinEdit110", "A*1000"}, std::pair{"SpinEdit113", "B*1000"},
                                 std::pair{"SpinEdit203", "C*1000"}}) {
        SpinEdit* s = kit::spin(name, -100000, 100000, 5, 1, ch14);
        s->setMinimumWidth(90);
        kit::addRow(coeffs, r++, caption, s);
    }
    coeffs->setColumnStretch(2, 1);
    c14->addLayout(coeffs);
    c14->addStretch(1);
    row->addWidget(ch14);

    QGroupBox* ch1 = makeGroup("GroupBoxAdc1", "ADC  channel 1 [Orvanta v7.8.x 29pin, v7.9 34pin ]", page);
    auto* c1 = new QVBoxLayout(ch1);
    auto* type1 = new RadioGroup("RadioGroup16", "Sensor type",
                                 {"None", "Oil pressure sensor(R 0..10 bar)", "Oil pressure sensor(U 0..7 bar)",
                                  "MPX5700", "Oil pressure sensor(U 0..150 PSI)", "EGT (K-type with AD8495)"},
                                 1, ch1);
    type1->setItemIndex(0);
    c1->addWidget(type1);
    auto* divider = new QGridLayout;
    divider->setVerticalSpacing(3);
    SpinEdit* rhi = kit::spin("SpinEdit129", 1, 100000, 240, 1, ch1);
    rhi->setMinimumWidth(90);
    kit::addRow(divider, 0, "R hi", rhi);
    kit::addRow(divider, 1, "U ref", kit::spin("SpinEdit130", 1, 15, 5, 1, ch1));
    divider->setColumnStretch(2, 1);
    c1->addLayout(divider);
    c1->addStretch(1);
    row->addWidget(ch1);
    row->addStretch(1);

    v->addLayout(row);
    v->addStretch(1);
    kit::fitGroupTitles(page);
    return page;
}

}  // namespace orvanta::ui
