#pragma once
// Small building blocks shared by the record pages: buttons that post a request,
// labelled editors and compact spin edits. Header-only so each page stays one file.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdint>

#include "ui/Pictures.h"
#include "ui/pages/PageContext.h"
#include "ui/widgets/Editors.h"

namespace orvanta::ui::kit {

// A button that posts state and command when clicked. The window owns the loop and
// outlives every page, so the reference is safe to keep.
inline QPushButton* requestButton(PageContext& ctx, QWidget* parent, const QString& name, const QString& caption,
                                  int32_t state, uint8_t command) {
    QPushButton* b = makeButton(name, caption, parent);
    auto& loop = ctx.loop;
    QObject::connect(b, &QPushButton::clicked, b, [&loop, state, command] { loop.Post(state, command); });
    return b;
}

inline QPushButton* requestButton(PageContext& ctx, QWidget* parent, const QString& name, const QString& caption,
                                  int32_t state, uint8_t command, uint8_t param) {
    QPushButton* b = makeButton(name, caption, parent);
    auto& loop = ctx.loop;
    QObject::connect(b, &QPushButton::clicked, b,
                     [&loop, state, command, param] { loop.Post(state, command, param); });
    return b;
}

// An arrow-only button; whatItDoes becomes its tooltip and accessible name.
inline QPushButton* arrowButton(PageContext& ctx, QWidget* parent, const QString& name, Qt::ArrowType direction,
                                const QString& whatItDoes, int32_t state, uint8_t command) {
    QPushButton* b = makePictureButton(name, pictures::arrow(direction), whatItDoes, parent);
    b->setMinimumSize(40, 30);
    auto& loop = ctx.loop;
    QObject::connect(b, &QPushButton::clicked, b, [&loop, state, command] { loop.Post(state, command); });
    return b;
}

inline QPushButton* arrowButton(PageContext& ctx, QWidget* parent, const QString& name, Qt::ArrowType direction,
                                const QString& whatItDoes, int32_t state, uint8_t command, uint8_t param) {
    QPushButton* b = makePictureButton(name, pictures::arrow(direction), whatItDoes, parent);
    b->setMinimumSize(40, 30);
    auto& loop = ctx.loop;
    QObject::connect(b, &QPushButton::clicked, b,
                     [&loop, state, command, param] { loop.Post(state, command, param); });
    return b;
}

// A spin edit sized to its range rather than stretched across the row.
inline SpinEdit* spin(const QString& name, int min, int max, int value, int step = 1, QWidget* parent = nullptr) {
    auto* s = new SpinEdit(name, min, max, value, step, parent);
    s->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return s;
}

// Caption left, editor right, in row `row` of a grid.
inline void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* editor, QWidget* after = nullptr) {
    auto* l = new QLabel(caption, editor->parentWidget());
    l->setBuddy(editor);
    grid->addWidget(l, row, 0);
    grid->addWidget(editor, row, 1);
    if (after) grid->addWidget(after, row, 2);
}

// Caption above editor.
inline QWidget* captionAbove(const QString& caption, QWidget* editor, QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    auto* l = new QLabel(caption, w);
    l->setBuddy(editor);
    v->addWidget(l);
    editor->setParent(w);
    v->addWidget(editor);
    return w;
}

// The read and save buttons of a record page sit together; bold so they stand out.
inline QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* h = new QHBoxLayout;
    h->setSpacing(8);
    for (QPushButton* b : buttons) {
        b->setFont(boldFont(b));
        b->setMinimumHeight(28);
        b->setMinimumWidth(120);
        h->addWidget(b);
    }
    h->addStretch(1);
    return h;
}

// A group box does not widen for its caption; make every group of the page wide enough
// to show its caption whole.
inline void fitGroupTitles(QWidget* page) {
    for (QGroupBox* g : page->findChildren<QGroupBox*>()) {
        const int needed = g->fontMetrics().horizontalAdvance(g->title()) + 28;
        if (g->minimumWidth() < needed) g->setMinimumWidth(needed);
    }
}

}  // namespace orvanta::ui::kit
