#include "dialogs/ProceedCancelDialog.h"

#include "dialogs/DialogWidgets.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

ProceedCancelDialog::ProceedCancelDialog(const Names& names, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QLatin1String(names.form));
    setModal(true);
    useDialogBorder(this);
    m_proceed = makeSpeedButton(this, names.proceedButton, style()->standardIcon(QStyle::SP_DialogApplyButton));
    m_cancel = makeSpeedButton(this, names.cancelButton, style()->standardIcon(QStyle::SP_DialogCancelButton));
    m_strip = new DialogImageStrip(names.images, this);
    connect(m_proceed, &QToolButton::clicked, this, &ProceedCancelDialog::proceed);
    connect(m_cancel, &QToolButton::clicked, this, &ProceedCancelDialog::reject);
}

void ProceedCancelDialog::setContent(QLayout* content) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_proceed);
    buttons->addWidget(m_cancel);
    auto* framed = new QVBoxLayout;
    framed->setContentsMargins(11, 11, 11, 0);
    framed->addLayout(content, 1);
    framed->addLayout(buttons);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addLayout(framed, 1);
    page->addWidget(m_strip);
}

void ProceedCancelDialog::setVisible(bool visible) {
    if (visible && !isVisible()) {
        m_cancelled = false;
        m_strip->showPicture();
        prepareShowing();
        centreOnScreen(this);
    }
    QDialog::setVisible(visible);
}

void ProceedCancelDialog::done(int result) {
    m_strip->clearPictures();
    m_cancelled = result != QDialog::Accepted;
    QDialog::done(result);
}
