#include "salvopanel.h"

#include "appsettings.h"
#include "dialogconfirm.h"
#include "renamedialog.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int FrameWidth = 700;
constexpr int FrameHeight = 500;
constexpr int IdRole = Qt::UserRole;
constexpr int NameRole = Qt::UserRole + 1;

const char *const ListStyle =
    "QListWidget{border:1px solid #cfd8d4;border-radius:4px;color:#2c3e50;font-size:13px;}"
    "QListWidget::item{padding:4px 6px;}"
    "QListWidget::item:selected{background:#338c56;color:#ffffff;}";

QPushButton *button(const char *name, QWidget *parent, bool primary = false)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setMinimumHeight(30);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(primary ? DialogStyle::primaryButton() : DialogStyle::secondaryButton());
    return b;
}

QString outputText(const Route &route)
{
    const AppSettings *names = AppSettings::instance();
    switch (route.kind) {
    case RouteKind::Video:
        return SalvoPanel::tr("Video %1").arg(names->outputName(route.output));
    case RouteKind::Infrared:
        return SalvoPanel::tr("Infrared output %1").arg(route.output);
    case RouteKind::SplitterArea:
        return SalvoPanel::tr("Splitter area %1").arg(route.output);
    case RouteKind::Audio:
    case RouteKind::HdmiAudio:
    case RouteKind::Audio0808S:
        break;
    }
    if (route.output > 100)
        return SalvoPanel::tr("HDMI audio of %1").arg(names->outputName(route.output - 100));
    return SalvoPanel::tr("Audio output %1").arg(route.output);
}

QString sourceText(const Route &route)
{
    const AppSettings *names = AppSettings::instance();
    if (route.source == 0)
        return SalvoPanel::tr("nothing");
    if (RouteKinds::switchType(route.kind) != 1)
        return names->inputName(route.source);
    if (route.source > 100)
        return SalvoPanel::tr("audio of %1").arg(names->inputName(route.source - 100));
    return names->audioName(route.source);
}

} // namespace

SalvoPanel::SalvoPanel(SalvoController *salvos, QWidget *parent)
    : FramelessDialog(parent, Kind::Tool, 25)
    , m_salvos(salvos)
{
    setObjectName(QStringLiteral("salvoPanel"));
    build();
    setFrameSize(QSize(FrameWidth, FrameHeight));
    connect(m_salvos, &SalvoController::salvosChanged, this, &SalvoPanel::refresh);
    connect(m_salvos, &SalvoController::recallProgress, this, &SalvoPanel::showProgress);
    connect(m_salvos, &SalvoController::recallFinished, this, &SalvoPanel::showReport);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { refresh(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { recallCurrent(); });
    connect(m_fromCurrent, &QPushButton::clicked, this, [this] {
        createFrom(m_salvos->currentRoutes());
    });
    connect(m_fromSelected, &QPushButton::clicked, this, [this] {
        const QVector<Route> cells = m_selection ? m_selection() : QVector<Route>();
        if (!cells.isEmpty())
            createFrom(m_salvos->currentRoutes(cells));
    });
    connect(m_fromStage, &QPushButton::clicked, this, [this] {
        if (m_stage)
            createFrom(m_stage());
    });
    connect(m_rename, &QPushButton::clicked, this, &SalvoPanel::renameCurrent);
    connect(m_delete, &QPushButton::clicked, this, &SalvoPanel::removeCurrent);
    connect(m_recall, &QPushButton::clicked, this, &SalvoPanel::recallCurrent);
    connect(m_sendAgain, &QPushButton::clicked, this, [this] {
        m_salvos->resendMissing(user());
        refresh();
    });
    retranslate();
    refresh();
}

void SalvoPanel::build()
{
    auto *content = new QWidget(frame());
    content->setGeometry(0, TitleHeight, FrameWidth, FrameHeight - TitleHeight);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->setSpacing(8);
    m_notice = new QLabel(content);
    m_notice->setObjectName(QStringLiteral("lb_salvoNotice"));
    m_notice->setWordWrap(true);
    m_notice->setStyleSheet(QStringLiteral("QLabel{color:#b03a2e;}"));
    layout->addWidget(m_notice);

    auto *row = new QHBoxLayout;
    m_list = new QListWidget(content);
    m_list->setObjectName(QStringLiteral("salvoList"));
    m_list->setStyleSheet(QLatin1String(ListStyle));
    row->addWidget(m_list, 1);
    auto *buttons = new QVBoxLayout;
    m_fromCurrent = button("btn_salvoFromCurrent", content);
    m_fromSelected = button("btn_salvoFromSelected", content);
    m_fromStage = button("btn_salvoFromStage", content);
    m_rename = button("btn_salvoRename", content);
    m_delete = button("btn_salvoDelete", content);
    m_recall = button("btn_salvoRecall", content, true);
    for (QPushButton *b : {m_fromCurrent, m_fromSelected, m_fromStage, m_rename, m_delete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_recall);
    row->addLayout(buttons);
    layout->addLayout(row, 3);

    m_summary = new QLabel(content);
    m_summary->setObjectName(QStringLiteral("lb_salvoSummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    auto *reportRow = new QHBoxLayout;
    m_report = new QListWidget(content);
    m_report->setObjectName(QStringLiteral("salvoReport"));
    m_report->setStyleSheet(QLatin1String(ListStyle));
    m_report->setSelectionMode(QAbstractItemView::NoSelection);
    reportRow->addWidget(m_report, 1);
    m_sendAgain = button("btn_salvoSendAgain", content, true);
    auto *again = new QVBoxLayout;
    again->addStretch(1);
    again->addWidget(m_sendAgain);
    reportRow->addLayout(again);
    layout->addLayout(reportRow, 2);
    m_fromStage->hide();
}

void SalvoPanel::setStage(Cells cells)
{
    m_stage = std::move(cells);
    m_fromStage->setVisible(bool(m_stage));
}

void SalvoPanel::retranslate()
{
    setTitle(tr("Salvos"));
    m_fromCurrent->setText(tr("New from current routes"));
    m_fromSelected->setText(tr("New from selected outputs"));
    m_fromStage->setText(tr("New from stage"));
    m_rename->setText(tr("Rename"));
    m_delete->setText(tr("Delete"));
    m_recall->setText(tr("Recall"));
    m_sendAgain->setText(tr("Send again"));
    m_notice->setText(m_salvos->unusableReason());
    if (!m_salvos->isRecalling())
        showReport(m_salvos->lastReport());
}

void SalvoPanel::refresh()
{
    const qint64 keep = currentId();
    const QVector<Salvo> salvos = m_salvos->salvos();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const Salvo &salvo : salvos) {
            auto *item = new QListWidgetItem(
                tr("%1  (%n route(s))", nullptr, salvo.routes.size()).arg(salvo.name), m_list);
            item->setData(IdRole, salvo.id);
            item->setData(NameRole, salvo.name);
        }
        selectId(keep);
    }
    const bool usable = m_salvos->isUsable();
    const bool busy = m_salvos->isRecalling();
    const bool picked = currentId() != 0;
    m_notice->setText(m_salvos->unusableReason());
    m_notice->setVisible(!usable);
    m_list->setEnabled(usable);
    for (QPushButton *b : {m_fromCurrent, m_fromSelected, m_fromStage})
        b->setEnabled(usable);
    m_rename->setEnabled(usable && picked);
    m_delete->setEnabled(usable && picked && !busy);
    m_recall->setEnabled(usable && picked && !busy);
    m_sendAgain->setEnabled(!busy && !m_salvos->lastReport().missing.isEmpty());
}

qint64 SalvoPanel::currentId() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(IdRole).toLongLong() : 0;
}

void SalvoPanel::selectId(qint64 id)
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(IdRole).toLongLong() == id)
            m_list->setCurrentRow(row);
    }
}

QString SalvoPanel::routeText(const Route &route)
{
    return tr("%1 \u2190 %2").arg(outputText(route), sourceText(route));
}

void SalvoPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessDialog::changeEvent(event);
}

QString SalvoPanel::askName(const QString &title, const QString &name)
{
    RenameDialog dialog(name, this);
    dialog.setTitle(title);
    dialog.lineEdit()->setMaxLength(SalvoStore::kMaxNameLength * 2);
    if (Dialogs::run(m_run, dialog) != QDialog::Accepted)
        return QString();
    const QString chosen = dialog.lineEdit()->text();
    return chosen == name ? QString() : chosen;
}

void SalvoPanel::createFrom(const QVector<Route> &routes)
{
    if (routes.isEmpty())
        return;
    const QString name = askName(tr("New salvo"), QString());
    if (name.isEmpty())
        return;
    const qint64 id = m_salvos->create(name, routes);
    if (id == 0) {
        m_summary->setText(m_salvos->lastError());
        return;
    }
    selectId(id);
    m_summary->setText(
        tr("Salvo \"%1\" saved with %n route(s).", nullptr, routes.size()).arg(name.trimmed()));
}

void SalvoPanel::renameCurrent()
{
    const qint64 id = currentId();
    if (id == 0)
        return;
    const QString old = m_list->currentItem()->data(NameRole).toString();
    const QString name = askName(tr("Rename salvo"), old);
    if (!name.isEmpty() && !m_salvos->rename(id, name))
        m_summary->setText(m_salvos->lastError());
}

void SalvoPanel::removeCurrent()
{
    const qint64 id = currentId();
    if (id == 0)
        return;
    DialogConfirm confirm(
        this,
        tr("Delete salvo"),
        tr("Delete salvo \"%1\"?").arg(m_list->currentItem()->data(NameRole).toString()));
    if (Dialogs::run(m_run, confirm) != QDialog::Accepted)
        return;
    if (!m_salvos->remove(id))
        m_summary->setText(m_salvos->lastError());
}

void SalvoPanel::recallCurrent()
{
    const qint64 id = currentId();
    if (id == 0 || !m_salvos->recall(user(), id))
        return;
    refresh();
}

void SalvoPanel::showProgress(int done, int total)
{
    m_summary->setText(tr("Sending %1 of %2\u2026").arg(done).arg(total));
    m_report->clear();
    refresh();
}

void SalvoPanel::showReport(const SalvoController::Report &report)
{
    m_report->clear();
    refresh();
    if (report.sent.isEmpty() && report.skipped.isEmpty())
        return;
    QString summary;
    if (!report.verified && !report.sent.isEmpty())
        summary = tr("Salvo \"%1\": %2 route(s) sent, but the device did not answer; "
                     "they may not have taken.")
                      .arg(report.name)
                      .arg(report.sent.size());
    else if (report.missing.isEmpty())
        summary =
            tr("Salvo \"%1\": all %2 route(s) sent took.").arg(report.name).arg(report.sent.size());
    else
        summary = tr("Salvo \"%1\": %2 of %3 route(s) did not take.")
                      .arg(report.name)
                      .arg(report.missing.size())
                      .arg(report.sent.size());
    if (!report.skipped.isEmpty())
        summary += QLatin1Char(' ') + tr("%1 skipped.").arg(report.skipped.size());
    m_summary->setText(summary);
    for (const Route &route : report.missing)
        new QListWidgetItem(tr("Did not take: %1").arg(routeText(route)), m_report);
    for (const SalvoController::Skipped &skipped : report.skipped)
        new QListWidgetItem(tr("Skipped: %1 (%2)").arg(routeText(skipped.first), skipped.second),
                            m_report);
}
