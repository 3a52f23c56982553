// SPDX-License-Identifier: GPL-3.0-or-later
// The longest-bottom-time dialog: see solve_dialog.h.
#include "app/solve_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

SolveDialog::SolveDialog(QWidget* parent)
    : PlanToolDialog(parent), target_(new QComboBox(this)), limit_(new QSpinBox(this)),
      answer_(new QLabel(this))
{
    setObjectName(QStringLiteral("solveDialog"));
    setWindowTitle(QCoreApplication::translate("Window Title", "Longest bottom time"));
    target_->setObjectName(QStringLiteral("solveTarget"));
    // In the order of SolveTarget::Kind.
    target_->addItems({tr("no decompression"), tr("runtime at most"), tr("TTS at most"),
                       tr("total stop time at most"),
                       tr("every cylinder within the reserve rule")});
    target_->setCurrentIndex(planner::SolveTarget::Tts);
    limit_->setObjectName(QStringLiteral("solveLimit"));
    limit_->setRange(0, 999);
    limit_->setValue(45);
    limit_->setSuffix(tr(" min"));
    connect(target_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int i) {
        limit_->setEnabled(i != planner::SolveTarget::NoDecompression &&
                           i != planner::SolveTarget::Reserve);
    });
    auto* solve = new QPushButton(tr("Solve"), this);
    solve->setObjectName(QStringLiteral("solveButton"));
    connect(solve, &QPushButton::clicked, this, &SolveDialog::solveSlot);
    auto* use = new QPushButton(tr("Use as bottom time"), this);
    use->setObjectName(QStringLiteral("useSolvedButton"));
    use->setAutoDefault(false);
    connect(use, &QPushButton::clicked, this, [this] {
        if (found_ > 0 && useAnswer)
            useAnswer(found_);
    });
    answer_->setObjectName(QStringLiteral("solveAnswer"));
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* row = new QHBoxLayout;
    row->addWidget(target_);
    row->addWidget(limit_);
    row->addWidget(solve);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(answer_);
    layout->addWidget(use, 0, Qt::AlignRight);
}

void SolveDialog::solveSlot()
{
    if (!currentRequest)
        return;
    planner::SolveTarget target;
    target.kind = static_cast<planner::SolveTarget::Kind>(target_->currentIndex());
    target.limitMinutes = limit_->value();
    planner::PlanRequest r = currentRequest();
    r.replay = nullptr;
    const planner::SolveAnswer a = planner::solveBottomTime(r, target);
    found_ = a.found ? a.bottomMinutes : 0;
    answer_->setText(a.text());
}
