#pragma once
// The "Config" page: the editors of the system configuration record, the buttons that
// read, write and erase it on the module, and its backup file.
#include <QWidget>
#include <array>
#include <functional>

#include "records/SysConfig.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orvanta::ui {

class CheckListBox;
class ClickableLabel;
class ComboBox;
class RadioGroup;
class SpinEdit;
struct PageContext;

class ConfigPage : public QWidget {
    Q_OBJECT
public:
    explicit ConfigPage(PageContext& ctx, QWidget* parent = nullptr);

    // The file dialogs: each returns the chosen path, or an empty text when the user
    // cancels. They start as the real dialogs; tests put their own choice in.
    std::function<QString()> SDC;  // "5.Save to file"
    std::function<QString()> ODC;  // "4.Read from file"

    // Unpacks SysRecord into the editors (after a reply, or a backup file loaded).
    void ParseSys();

    // What the editors hold now, and handing them values (which they limit).
    records::sys::SysEditors editors() const;
    void setEditors(const records::sys::SysEditors& e);

    void Button6Click();               // "1.Read Config"
    void Button5Click();               // "2.Save Config"
    void Button42Click();              // "Erase Config"
    void Button1834234234Click();      // "5.Save to file"
    void Button2123423423Click();      // "4.Read from file"

private:
    QWidget* buildVehicle();
    QWidget* buildUnits();
    QWidget* buildDoorSide();
    QWidget* buildSource();
    QWidget* buildLight();
    QWidget* buildHardware();
    QWidget* buildInputs();
    QWidget* buildOptions();
    QWidget* buildScreen();
    QWidget* buildButtons();
    QWidget* buildBackup();
    // The two editors that live on "Installer"; null while that page lacks them.
    QCheckBox* sdBusBox() const;
    QSpinBox* sdDividerBox() const;
    std::array<ComboBox*, 11> emptiedByParse() const;

    PageContext& ctx_;

    SpinEdit* SpinEdit4 = nullptr;
    ComboBox* ComboBox3 = nullptr;
    ComboBox* ComboBox4 = nullptr;
    ComboBox* ComboBox5 = nullptr;
    ComboBox* ComboBox8 = nullptr;
    ComboBox* ComboBoxEx27 = nullptr;
    ComboBox* ComboBox1 = nullptr;
    ComboBox* ComboBox9 = nullptr;
    ComboBox* ComboBox10 = nullptr;
    ComboBox* ComboBox11 = nullptr;
    ComboBox* ComboBox16 = nullptr;
    ComboBox* ComboBox6 = nullptr;
    SpinEdit* SpinEdit109 = nullptr;
    SpinEdit* SpinEdit5 = nullptr;
    SpinEdit* SpinEdit6 = nullptr;
    RadioGroup* RadioGroup9 = nullptr;
    RadioGroup* RadioGroup4 = nullptr;
    RadioGroup* RadioGroup5 = nullptr;
    RadioGroup* RadioGroup6 = nullptr;
    RadioGroup* RadioGroup7 = nullptr;
    RadioGroup* RadioGroup8 = nullptr;
    RadioGroup* RadioGroup11 = nullptr;
    RadioGroup* RadioGroup10 = nullptr;
    RadioGroup* RadioGroup13 = nullptr;
    RadioGroup* RadioGroup21 = nullptr;
    QRadioButton* RadioButton9 = nullptr;
    QRadioButton* RadioButton10 = nullptr;
    QButtonGroup* doorSide_ = nullptr;
    ClickableLabel* Label95 = nullptr;
    CheckListBox* CheckListBox5 = nullptr;
    QCheckBox* Ch123 = nullptr;
    QCheckBox* CheckBox42 = nullptr;
    QCheckBox* CheckBox45 = nullptr;
    QCheckBox* CheckBox53 = nullptr;
    QCheckBox* CheckBox58 = nullptr;
    QCheckBox* CheckBox59 = nullptr;
    QLineEdit* Edit17 = nullptr;
};

}  // namespace orvanta::ui
