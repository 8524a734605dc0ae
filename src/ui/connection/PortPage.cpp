#include "ui/connection/PortPage.h"

#include <QColor>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "engine/FindSpeedState.h"
#include "link/PortList.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/Accessible.h"

namespace {
// A port box that lists the ports afresh each time it opens: adapters come and go.
class CPortComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> BeforePopup;
  void showPopup() override {
    if (BeforePopup) BeforePopup();
    QComboBox::showPopup();
  }
};

QString NotPresentText(const QString& port) {
  return Format(CPortPage::tr("%s is not present: plug in the adapter, or choose another port."), port);
}
}  // namespace

CPortPage::CPortPage(QWidget* parent) : CPage(tr("&Port"), QStringLiteral("Port.htm"), parent) {
  auto* portBox = new CPortComboBox(this);
  portBox->BeforePopup = [this] { FillPortBox(); };
  m_portBox = portBox;
  m_speedBox = new QComboBox(this);
  m_close = new QPushButton(tr("C&lose Port"), this);
  m_test = new QPushButton(tr("Test Co&mmunications"), this);
  m_test->setDefault(true);
  m_simulate = new QPushButton(tr("T&ry the Simulated Tuner"), this);
  m_simulate->setToolTip(tr("Restart the program on a simulated ZU6400 for this run; the saved port is kept"));
  m_simulate->setAutoDefault(false);
  m_status = new QLabel(this);
  m_status->setWordWrap(true);
  m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_status->setAccessibleDescription(tr("Connection status"));
  m_portBox->setObjectName("portBox");
  m_speedBox->setObjectName("speedBox");
  m_close->setObjectName("closeButton");
  m_test->setObjectName("testButton");
  m_simulate->setObjectName("simulateButton");
  m_status->setObjectName("statusLabel");
  m_close->setToolTip(LoadString(Str::ClosePortTooltip));
  m_test->setToolTip(LoadString(Str::TestCommsTooltip));
  // Pseudo-terminals and some adapters are not listed: a path may be typed.
  m_portBox->setEditable(true);
  m_portBox->setInsertPolicy(QComboBox::NoInsert);
  m_portBox->setMinimumContentsLength(18);
  // The box's own edit field has no label of its own.
  m_portBox->lineEdit()->setAccessibleName(tr("Serial port"));

  auto* layout = new QGridLayout(this);
  layout->addWidget(BuddyLabel(tr("&Serial port connected to ??:").replace(QStringLiteral("??"), ModelName()), m_portBox),
                    0, 0);
  layout->addWidget(m_portBox, 0, 1);
  layout->addWidget(BuddyLabel(tr("Serial port spee&d:"), m_speedBox), 1, 0);
  layout->addWidget(m_speedBox, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_close);
  buttons->addWidget(m_test);
  layout->addLayout(buttons, 2, 0, 1, 2);
  layout->addWidget(m_status, 3, 0, 1, 3);
  layout->addWidget(m_simulate, 4, 0, 1, 2, Qt::AlignLeft);
  layout->setRowStretch(5, 1);
  layout->setColumnStretch(2, 1);

  FillPortBox();
  // A saved port stays chosen even while its adapter is unplugged.
  if (!SelectPort(GetModel().Run.port)) m_portBox->setCurrentIndex(-1);
  FillSpeedBox();
  ShowGuide();

  connect(m_simulate, &QPushButton::clicked, this, &CPortPage::SimulatedTunerRequested);
  connect(m_portBox, &QComboBox::activated, this, [this](int index) { ChoosePort(m_portBox->itemText(index)); });
  connect(m_portBox->lineEdit(), &QLineEdit::returnPressed, this, [this] { ChoosePort(m_portBox->currentText()); });
  connect(m_speedBox, &QComboBox::activated, this, &CPortPage::OnSpeedChosen);
  connect(m_close, &QPushButton::clicked, this, [] { GetModel().ClosePort(); });
  connect(m_test, &QPushButton::clicked, this, &CPortPage::TestCommunications);
}

// USB adapters by their stable names: those still work after a replug into another socket.
QStringList CPortPage::AvailablePorts() {
  QStringList ports;
  for (const PortListEntry& port : ListPorts()) ports << (port.byId.isEmpty() ? port.device : port.byId);
  return ports;
}

bool CPortPage::IsPresent(const QString& port) {
  return !port.startsWith(u'/') || QFileInfo::exists(port);
}

QString CPortPage::GuideText() {
  return tr("Choose the serial port the %1 is connected to, or type its path, then click Test Communications. "
            "No tuner at hand? Try the program on the simulated tuner.")
      .arg(ModelName());
}

// Without a port to try, the page says what to do and offers the simulated tuner.
void CPortPage::ShowGuide() {
  const QString& port = GetModel().Run.port;
  m_simulate->setVisible(port.isEmpty() || !IsPresent(port));
  if (port.isEmpty()) ShowStatus(GuideText());
}

// The port box is where the answer goes: it gets the focus, a tip and its list.
void CPortPage::PointAtPortBox() {
  ShowStatus(GuideText());
  m_portBox->setFocus();
  const QString tip = tr("Choose the %1's serial port here, or type its path").arg(ModelName());
  QToolTip::showText(m_portBox->mapToGlobal(QPoint(0, m_portBox->height())), tip, m_portBox);
  m_portBox->showPopup();
}

void CPortPage::FillPortBox() {
  const QString selected = m_portBox->currentText();
  m_portBox->clear();
  m_portBox->addItems(AvailablePorts());
  // The port in use stays offered though it is not listed (the simulated tuner's, say).
  const QString inUse = GetModel().Run.port;
  if (inUse != selected) SelectPort(inUse);
  if (!SelectPort(selected)) m_portBox->setCurrentIndex(-1);
}

// Selects the named port; a device path that is not listed (a
// pseudo-terminal, say) is added, marked when it does not exist.
bool CPortPage::SelectPort(const QString& name) {
  if (name.isEmpty()) return false;
  int index = m_portBox->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (index < 0) {
    m_portBox->addItem(name);
    index = m_portBox->count() - 1;
    if (!IsPresent(name)) {
      m_portBox->setItemData(index, QColor(Qt::gray), Qt::ForegroundRole);
      m_portBox->setItemData(index, NotPresentText(name), Qt::ToolTipRole);
    }
  }
  m_portBox->setCurrentIndex(index);
  return true;
}

void CPortPage::ShowStatus(const QString& text) {
  m_status->setText(text);
  Announce(*m_status, text);
}

void CPortPage::FillSpeedBox() {
  m_speedBox->clear();
  m_speedBox->addItem(tr("AUTO"), 0u);
  for (const std::uint32_t speed : kSearchSpeeds) m_speedBox->addItem(QString::number(speed), speed);
  const int index = m_speedBox->findData(static_cast<unsigned>(GetModel().Run.fixedSpeed));
  m_speedBox->setCurrentIndex(index < 0 ? 0 : index);
}

void CPortPage::ChoosePort(const QString& name) {
  const QString port = name.trimmed();
  CTunerModel& model = GetModel();
  // The main window reconnects when Port changes.
  if (port.compare(model.Run.port, Qt::CaseInsensitive) != 0) model.ChoosePort(port);
}

void CPortPage::OnSpeedChosen(int index) {
  GetModel().ChooseFixedSpeed(m_speedBox->itemData(index).toUInt());
}

void CPortPage::TestCommunications() {
  CTunerModel& model = GetModel();
  // A path typed but not yet confirmed with Enter counts as chosen.
  const QString typed = m_portBox->currentText().trimmed();
  if (!typed.isEmpty() && typed.compare(model.Run.port, Qt::CaseInsensitive) != 0) {
    ChoosePort(typed);
    return;
  }
  model.ClosePort();
  if (model.Run.port.isEmpty()) return PointAtPortBox();
  model.ContactMachine->StartAtOpenPort();
}

void CPortPage::OnShown() {
  CTunerModel& model = GetModel();
  Subscribe(model.FirmwareStatus);
  SubscribeAndNotify(model.Port);
  SubscribeAndNotify(model.PortState);
  m_test->setFocus();
}

void CPortPage::OnModelEvent(const CModelEvent& event) {
  CTunerModel& model = GetModel();
  switch (event.Message) {
    case Msg::Port:
      if (!SelectPort(model.Run.port)) m_portBox->setCurrentIndex(-1);
      ShowGuide();
      break;
    case Msg::PortState:
      if (model.IsPortOpen() && model.FirmwareStatus.Get() == FirmwareStatusNone && model.ContactMachine->IsIdle())
        model.ContactMachine->StartAtOpenPort();
      break;
    case Msg::FirmwareStatus:
      if (model.IsPortOpen()) ShowStatusBox();
      break;
    default: break;
  }
}

void CPortPage::ShowStatusBox() {
  CTunerModel& model = GetModel();
  const QString title = FormatString(Str::StatusTitle, ModelName());
  switch (model.FirmwareStatus.Get()) {
    case FirmwareStatusLoader: model.MessageBoxAndLog(title, model.GetLoaderStatusText(), BoxIcon::Warning); break;
    case FirmwareStatusRunning: model.MessageBoxAndLog(title, model.GetStatusText(), BoxIcon::Information); break;
    default: model.MessageBoxAndLog(title, FormatString(Str::NotResponding, ModelName()), BoxIcon::Error); break;
  }
}
