// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr const char* DecorativeProperty = "ringvaleDecorative";

// No role and not visible: readers pass over it as they do over an empty gap.
class DecorativeInterface final : public QAccessibleWidget {
 public:
  explicit DecorativeInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
  }
};

QAccessibleInterface* DecorativeFactory(const QString& /*className*/, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || !widget->property(DecorativeProperty).toBool()) return nullptr;
  return new DecorativeInterface(widget);
}

}  // namespace

QString Spoken(const QString& what, const QString& value) {
  if (value.isEmpty() || value == what) return what;
  return what + QStringLiteral(": ") + value;
}

void MarkDecorative(QWidget* widget) {
  static const bool installed = [] {
    QAccessible::installFactory(DecorativeFactory);
    return true;
  }();
  (void)installed;
  widget->setProperty(DecorativeProperty, true);
  for (QWidget* inside : widget->findChildren<QWidget*>()) {
    inside->setProperty(DecorativeProperty, true);
  }
}

void Explain(QWidget* control, const QString& text) {
  // Only a rich-text tooltip wraps; escaped, the text still shows as written.
  control->setToolTip(text.isEmpty() ? QString()
                                     : QStringLiteral("<qt>") + text.toHtmlEscaped() + "</qt>");
  control->setAccessibleDescription(text);
}
