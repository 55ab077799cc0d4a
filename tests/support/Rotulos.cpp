#include "support/Rotulos.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

QString Nombre(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// The room a label gives its text, as the label lays it out: its contents less margin and
// indent (a framed label without an indent takes half an "x").
QRect HuecoEtiqueta(const QLabel* l) {
    QRect r = l->contentsRect();
    const int m = l->margin();
    r.adjust(m, m, -m, -m);
    int sangria = l->indent();
    if (sangria < 0 && l->frameWidth() > 0) sangria = l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - m;
    if (sangria > 0) {
        const Qt::Alignment a = QStyle::visualAlignment(l->layoutDirection(), l->alignment());
        if (a & Qt::AlignLeft) r.setLeft(r.left() + sangria);
        if (a & Qt::AlignRight) r.setRight(r.right() - sangria);
        if (a & Qt::AlignTop) r.setTop(r.top() + sangria);
        if (a & Qt::AlignBottom) r.setBottom(r.bottom() - sangria);
    }
    return r;
}

QStyleOptionButton OpcionBoton(const QAbstractButton* b) {
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    o.icon = b->icon();
    o.iconSize = b->iconSize();
    if (const auto* p = qobject_cast<const QPushButton*>(b)) {
        if (p->isFlat()) o.features |= QStyleOptionButton::Flat;
        if (p->isDefault()) o.features |= QStyleOptionButton::DefaultButton;
        if (p->autoDefault()) o.features |= QStyleOptionButton::AutoDefaultButton;
    }
    return o;
}

// The room a button gives its caption: what the style draws the caption in.
QRect HuecoBoton(const QAbstractButton* b) {
    const QStyleOptionButton o = OpcionBoton(b);
    QStyle::SubElement parte = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(b)) parte = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(b)) parte = QStyle::SE_RadioButtonContents;
    QRect r = b->style()->subElementRect(parte, &o, b);
    if (!b->icon().isNull()) r.setLeft(r.left() + b->iconSize().width() + 4);
    return r;
}

// Where a button puts its caption: check boxes after their box, push buttons centred unless
// their style sheet moves the caption to one side.
Qt::Alignment AlineacionBoton(const QAbstractButton* b) {
    if (qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b))
        return Qt::AlignLeft | Qt::AlignVCenter;
    const QString hoja = b->styleSheet().remove(QLatin1Char(' '));
    if (hoja.contains(QStringLiteral("text-align:left"))) return Qt::AlignLeft | Qt::AlignVCenter;
    if (hoja.contains(QStringLiteral("text-align:right"))) return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignCenter;
}

// A button's caption as drawn: its "&" marks the Alt letter ("&&" is one "&").
QString SinLetraAlt(const QString& texto) {
    QString t;
    for (int i = 0; i < texto.size(); ++i) {
        if (texto[i] == QLatin1Char('&') && i + 1 < texto.size()) ++i;
        t += texto[i];
    }
    return t;
}

// The part of the room the caption's letters take (blanks at either end are no letters).
// One line is placed by its alignment; wrapped text by the lines the font breaks it into.
// Captions are plain text.
QRect LetrasEn(const QWidget* w, const QString& texto, const QRect& hueco, Qt::Alignment alineacion, bool ajustar) {
    const QFontMetrics fm = w->fontMetrics();
    if (ajustar || texto.contains(QLatin1Char('\n'))) {
        const int banderas = static_cast<int>(alineacion) | (ajustar ? Qt::TextWordWrap : 0);
        return fm.boundingRect(hueco, banderas, texto.trimmed());
    }
    const int total = fm.horizontalAdvance(texto);
    int x = hueco.left();
    if (alineacion & Qt::AlignRight) x = hueco.left() + hueco.width() - total;
    else if (alineacion & Qt::AlignHCenter) x = hueco.left() + (hueco.width() - total) / 2;
    int delante = 0;
    while (delante < texto.size() && texto[delante].isSpace()) ++delante;
    int detras = texto.size();
    while (detras > delante && texto[detras - 1].isSpace()) --detras;
    const int desde = x + fm.horizontalAdvance(texto.left(delante));
    const int hasta = x + fm.horizontalAdvance(texto.left(detras));
    int y = hueco.top() + (hueco.height() - fm.height()) / 2;
    if (alineacion & Qt::AlignTop) y = hueco.top();
    else if (alineacion & Qt::AlignBottom) y = hueco.top() + hueco.height() - fm.height();
    return QRect(desde, y, hasta - desde, fm.height());
}

// The letters must also lie inside every box that holds the control.
bool DentroDeSusPadres(const QWidget* w, const QRect& letras, const QWidget* ventana) {
    QRect r = letras;
    for (const QWidget* c = w; c != ventana && c->parentWidget(); c = c->parentWidget()) {
        r.translate(c->pos());
        if (!c->parentWidget()->rect().contains(r)) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> RotulosQueNoCaben(QWidget* ventana) {
    std::vector<std::string> cortados;
    ventana->ensurePolished();
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(ventana) || w->window() != ventana) continue;
        w->ensurePolished();
        QString texto;
        QRect hueco, letras;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            texto = l->text();
            hueco = HuecoEtiqueta(l);
            letras = LetrasEn(l, texto, hueco, QStyle::visualAlignment(l->layoutDirection(), l->alignment()),
                              l->wordWrap());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            texto = SinLetraAlt(b->text());
            hueco = HuecoBoton(b);
            letras = LetrasEn(b, texto, hueco, AlineacionBoton(b), false);
        } else {
            continue;
        }
        if (texto.trimmed().isEmpty()) continue;
        const bool cabe = hueco.contains(letras);
        if (cabe && DentroDeSusPadres(w, letras, ventana)) continue;
        cortados.push_back(QStringLiteral("%1/%2: \"%3\" needs %4x%5, has %6x%7%8")
                               .arg(Nombre(ventana), Nombre(w), texto)
                               .arg(letras.width())
                               .arg(letras.height())
                               .arg(hueco.width())
                               .arg(hueco.height())
                               .arg(cabe ? QStringLiteral(" (outside its box)") : QString())
                               .toStdString());
    }
    return cortados;
}
