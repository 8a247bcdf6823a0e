#include "status_progress.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>

#include "app_strings.h"
#include "lock_keys.h"

namespace reelkeep {

namespace {

// Panes are never hidden once shown: a screen reader that has met a pane hidden is told when
// it shows again but not that it is visible, and leaves it out of the status bar for good. A
// pane with nothing to tell is emptied, and shrinks to nothing, instead.
void SetPaneText(QLabel* pane, const QString& text) {
    pane->setText(text);
    pane->setFrameStyle(text.isEmpty() ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
    constexpr int kRoomAroundText = 12;
    pane->setMinimumWidth(
        text.isEmpty() ? 0 : pane->fontMetrics().horizontalAdvance(text) + kRoomAroundText);
}

QLabel* MakePane(QStatusBar& bar, const QString& text) {
    auto* label = new QLabel(&bar);
    label->setAlignment(Qt::AlignCenter);
    SetPaneText(label, text);
    bar.addPermanentWidget(label);
    return label;
}

constexpr std::array<const char*, 3> kIndicatorTexts = {
    appstr::kCapsIndicator, appstr::kNumIndicator, appstr::kScrollIndicator};

}  // namespace

CStatusPanes::CStatusPanes(QStatusBar& bar)
    : QObject(&bar), bar_(bar), message_(new QLabel(appstr::Tr(appstr::kReady), &bar)) {
    bar_.addWidget(message_, 1);
    filter_ = MakePane(bar_, QString());
    for (std::size_t k = 0; k < indicators_.size(); ++k) {
        indicators_[k] = MakePane(bar_, appstr::Tr(kIndicatorTexts[k]));
    }
    progressPane_ = new QWidget(&bar_);
    progressPane_->setFixedWidth(
        bar_.fontMetrics().horizontalAdvance(QString(appstr::kProgressPaneBlanks, u' ')));
    auto* paneLayout = new QHBoxLayout(progressPane_);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    bar_.addPermanentWidget(progressPane_);
    progressPane_->hide();
    RefreshLockKeys();
    qApp->installEventFilter(this);
}

void CStatusPanes::ShowProgressLayout() {
    progressLayout_ = true;
    for (QLabel* indicator : indicators_) {
        SetPaneText(indicator, QString());
        indicator->setAccessibleName(QString());
    }
    SetPaneText(filter_, QString());
    progressPane_->show();
}

void CStatusPanes::ShowNormalLayout() {
    progressLayout_ = false;
    progressPane_->hide();
    for (std::size_t k = 0; k < indicators_.size(); ++k) {
        SetPaneText(indicators_[k], appstr::Tr(kIndicatorTexts[k]));
    }
    SetPaneText(filter_, filterText_);
    message_->setText(appstr::Tr(appstr::kReady));
    RefreshLockKeys();
}

void CStatusPanes::SetFilterText(const QString& text) {
    filterText_ = text;
    if (!progressLayout_) SetPaneText(filter_, text);
}

QString CStatusPanes::FilterText() const { return filterText_; }

void CStatusPanes::SetProgressCaption(const QString& text) {
    bar_.clearMessage();
    message_->setText(text);
    PaintNow();
}

void CStatusPanes::BeginBar(std::uint32_t max) {
    EndBar();
    progressBar_ = new QProgressBar(progressPane_);
    progressPane_->layout()->addWidget(progressBar_);
    // A range of 0..0 would make QProgressBar show a busy animation instead of an empty bar.
    const int top =
        static_cast<int>(std::min<std::uint32_t>(std::max<std::uint32_t>(max, 1), INT32_MAX));
    progressBar_->setRange(0, top);
    progressBar_->setValue(0);
    valuesPerPixel_ = std::max(1, top / std::max(1, progressPane_->width()));
    nextShownValue_ = valuesPerPixel_;
    progressBar_->setTextVisible(false);
    // As tall as the indicators it replaces: a taller status bar would shift the window's
    // contents while the loop runs.
    progressBar_->setMaximumHeight(indicators_[0]->sizeHint().height());
    progressBar_->show();
    PaintNow();
}

void CStatusPanes::SetBarValue(std::uint32_t value) {
    // A loop may report every one of a million steps; the widget hears of those a person can
    // see, a pixel apart, and the last.
    const int top = progressBar_ ? progressBar_->maximum() : 0;
    const int shown = static_cast<int>(std::min<std::uint32_t>(value, static_cast<unsigned>(top)));
    if (!progressBar_ || (shown < nextShownValue_ && shown < top)) return;
    nextShownValue_ = shown + valuesPerPixel_;
    progressBar_->setValue(shown);  // repaints at once, as the event loop may not run
}

void CStatusPanes::EndBar() { delete progressBar_; }

void CStatusPanes::RefreshLockKeys() {
    const auto states = QueryLockKeys().value_or(LockKeyStates{});
    const std::array<bool, 3> on = {states.caps, states.num, states.scroll};
    for (std::size_t k = 0; k < indicators_.size(); ++k) {
        // Dimmed text says "off" only to the eye; a screen reader is told in words.
        indicators_[k]->setEnabled(on[k]);
        indicators_[k]->setAccessibleName(
            on[k] ? QString() : appstr::Tr(appstr::kIndicatorOff).arg(indicators_[k]->text()));
    }
}

int CStatusPanes::VisiblePaneCount() const {
    int count = 1;  // the message pane is always there
    for (const QLabel* pane : indicators_) count += pane->text().isEmpty() ? 0 : 1;
    count += filter_->text().isEmpty() ? 0 : 1;
    return count + (progressPane_->isVisibleTo(&bar_) ? 1 : 0);
}

QString CStatusPanes::MessageText() const { return message_->text(); }

bool CStatusPanes::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease:
        case QEvent::ApplicationActivate:
            if (!progressLayout_) RefreshLockKeys();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void CStatusPanes::PaintNow() {
    if (!bar_.isVisible()) return;
    if (QLayout* layout = bar_.layout()) layout->activate();
    bar_.repaint();
}

}  // namespace reelkeep
