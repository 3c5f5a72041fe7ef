#pragma once
// The port selector: a drop-down list of the component's device list. Picking an
// entry sets the component's port number; the list refills on notification 3.
#include <QComboBox>

#include "serial/TnrComm.h"

namespace orvanta::ui {

class TnrDeviceBox : public QComboBox {
    Q_OBJECT
public:
    explicit TnrDeviceBox(QWidget* parent = nullptr);
    ~TnrDeviceBox() override;

    serial::TnrComm* nrComm() const { return comm_; }
    void setNrComm(serial::TnrComm* comm);
    void Reload();

    bool ResetOnChanged = false;  // kept for completeness; it has no effect

signals:
    // The component refused the chosen port (it was open and the new one failed).
    void portError(const QString& message);

private:
    void userPicked(int index);

    serial::TnrComm* comm_ = nullptr;
    int token_ = 0;
    bool filling_ = false;
};

}  // namespace orvanta::ui
