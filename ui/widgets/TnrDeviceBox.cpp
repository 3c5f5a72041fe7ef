#include "ui/widgets/TnrDeviceBox.h"

#include <QAbstractItemView>
#include <QPointer>

namespace orvanta::ui {

TnrDeviceBox::TnrDeviceBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);  // picked, never typed
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &TnrDeviceBox::userPicked);
}

TnrDeviceBox::~TnrDeviceBox() {
    if (comm_ && token_) comm_->NotifyDelete(token_);
}

void TnrDeviceBox::setNrComm(serial::TnrComm* comm) {
    filling_ = true;
    clear();
    setCurrentIndex(-1);
    if (comm_ && comm_ != comm && token_) {
        comm_->NotifyDelete(token_);
        token_ = 0;
    }
    if (comm) {
        for (const serial::TnrDevice& d : comm->GetDeviceList()) {
            const QString path = QString::fromStdString(d.PortName);
            addItem(QString::fromStdString(d.NameFriendly), path);
            setItemData(count() - 1, path, Qt::ToolTipRole);
        }
        setCurrentIndex(comm->GetDeviceIndex());
        // Descriptions are longer than the side panel is wide: let the list show them whole.
        view()->setMinimumWidth(count() > 0 ? view()->sizeHintForColumn(0) + 24 : 0);
        if (!token_) {
            QPointer<TnrDeviceBox> self(this);
            // Code 1 can come from the port's reader thread; only code 3 matters here,
            // and it is always sent from the thread that changed the port.
            token_ = comm->NotifyAdd([self](serial::TnrComm&, int code) {
                if (code != serial::TnrComm::PortChanged || !self) return;
                QMetaObject::invokeMethod(self, [self] { if (self) self->Reload(); }, Qt::AutoConnection);
            });
        }
    }
    comm_ = comm;
    filling_ = false;
}

void TnrDeviceBox::Reload() { setNrComm(comm_); }

void TnrDeviceBox::userPicked(int index) {
    if (!comm_ || filling_) return;
    // Picking the entry already chosen is no change; it must not reopen the port.
    if (index == comm_->GetDeviceIndex()) return;
    try {
        comm_->SetDeviceIndex(index);
    } catch (const std::exception& e) {
        emit portError(QString::fromLocal8Bit(e.what()));
    }
}

}  // namespace orvanta::ui
