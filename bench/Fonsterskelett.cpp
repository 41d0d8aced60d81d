#include "Fonsterskelett.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTextEdit>

#include <functional>
#include <map>
#include <set>

namespace skelett {
namespace {

using Skapa = std::function<QWidget *()>;

// The standard classes a skeleton may name, each with a fresh widget's maker.
const std::map<QString, Skapa> &Klasser() {
    static const std::map<QString, Skapa> klasser = {
        {"QWidget", [] { return new QWidget; }},
        {"QFrame", [] { return new QFrame; }},
        {"QLabel", [] { return new QLabel; }},
        {"QLineEdit", [] { return new QLineEdit; }},
        {"QPushButton", [] { return new QPushButton; }},
        {"QCheckBox", [] { return new QCheckBox; }},
        {"QRadioButton", [] { return new QRadioButton; }},
        {"QComboBox", [] { return new QComboBox; }},
        {"QSpinBox", [] { return new QSpinBox; }},
        {"QGroupBox", [] { return new QGroupBox; }},
        {"QListWidget", [] { return new QListWidget; }},
        {"QPlainTextEdit", [] { return new QPlainTextEdit; }},
        {"QTextEdit", [] { return new QTextEdit; }},
        {"QTextBrowser", [] { return new QTextBrowser; }},
        {"QMenuBar", [] { return new QMenuBar; }},
        {"QMenu", [] { return new QMenu; }},
        {"QScrollArea", [] { return new QScrollArea; }},
    };
    return klasser;
}

// Widgets whose children are the program's own; any other standard widget's
// children are its inner parts (scroll bars, viewports), which the bare
// widget makes for itself.
bool ArBehallare(const QString &klass) {
    return klass == QLatin1String("QWidget") || klass == QLatin1String("QFrame") ||
           klass == QLatin1String("QGroupBox") || klass == QLatin1String("QMainWindow");
}

// The nearest Qt class of the metaObject chain (the program's own classes do
// not start with a Q); the skeleton names it only when it knows it, so that a
// dial is never written as a plain widget.
QString Standardklass(const QObject *objekt) {
    for (const QMetaObject *m = objekt->metaObject(); m; m = m->superClass()) {
        const QString namn = QString::fromLatin1(m->className());
        if (namn.size() > 1 && namn[0] == u'Q' && namn[1].isUpper())
            return namn;
    }
    return QString::fromLatin1(objekt->metaObject()->className());
}

// Properties the skeleton carries elsewhere or that follow from the geometry
// (the place, the visibility and the palette), or that repeat the text in
// another form.
const std::set<QString> &Utelamnade() {
    static const std::set<QString> namn = [] {
        const QString lista = QStringLiteral(
            "objectName geometry pos size x y width height rect frameGeometry normalGeometry "
            "childrenRect sizeIncrement baseSize visible hidden palette locale cursor "
            "documentTitle markdown html");
        std::set<QString> ut;
        for (const QString &n : lista.split(u' '))
            ut.insert(n);
        return ut;
    }();
    return namn;
}

QString Skydda(const QString &falt) {
    QString ut;
    ut.reserve(falt.size());
    for (const QChar c : falt) {
        if (c == u'\\')
            ut += QStringLiteral("\\\\");
        else if (c == u'\t')
            ut += QStringLiteral("\\t");
        else if (c == u'\n')
            ut += QStringLiteral("\\n");
        else
            ut += c;
    }
    return ut;
}

QString Oskydda(const QString &falt, int rad) {
    QString ut;
    ut.reserve(falt.size());
    for (qsizetype i = 0; i < falt.size(); ++i) {
        if (falt[i] != u'\\') {
            ut += falt[i];
            continue;
        }
        if (++i == falt.size())
            throw Fel("rad " + std::to_string(rad) + ": ett \\ sist i ett fält");
        const QChar c = falt[i];
        if (c == u't')
            ut += u'\t';
        else if (c == u'n')
            ut += u'\n';
        else if (c == u'\\')
            ut += u'\\';
        else
            throw Fel("rad " + std::to_string(rad) + ": okänd följd \\" + QString(c).toStdString());
    }
    return ut;
}

// A property's value as text; false when the skeleton does not carry its type.
bool Vardetext(const QMetaProperty &egenskap, const QVariant &varde, QString &text) {
    if (egenskap.isEnumType()) {
        const QMetaEnum uppr = egenskap.enumerator();
        const int tal = varde.toInt();
        text = uppr.isFlag() ? QString::fromLatin1(uppr.valueToKeys(tal))
                             : QString::fromLatin1(uppr.valueToKey(tal));
        return !text.isEmpty() || (uppr.isFlag() && tal == 0);
    }
    switch (varde.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Double:
    case QMetaType::QString:
        text = varde.toString();
        return true;
    case QMetaType::QFont:
        text = varde.value<QFont>().toString();
        return true;
    case QMetaType::QColor:
        text = varde.value<QColor>().name(QColor::HexArgb);
        return true;
    case QMetaType::QSize: {
        const QSize s = varde.toSize();
        text = QStringLiteral("%1,%2").arg(s.width()).arg(s.height());
        return true;
    }
    default:
        return false;
    }
}

QVariant Textvarde(const QMetaProperty &egenskap, const QString &text) {
    if (egenskap.isEnumType())
        return text;
    switch (egenskap.metaType().id()) {
    case QMetaType::Bool:
        return text == QLatin1String("true");
    case QMetaType::Int:
        return text.toInt();
    case QMetaType::UInt:
        return text.toUInt();
    case QMetaType::Double:
        return text.toDouble();
    case QMetaType::QFont: {
        QFont f;
        f.fromString(text);
        return f;
    }
    case QMetaType::QColor:
        return QColor(text);
    case QMetaType::QSize: {
        const auto delar = text.split(u',');
        return QSize(delar.value(0).toInt(), delar.value(1).toInt());
    }
    default:
        return text;
    }
}

// The colour roles a program sets on its panels and labels.
constexpr QPalette::ColorRole kRoller[] = {QPalette::Window, QPalette::WindowText,
                                           QPalette::Base,   QPalette::Text,
                                           QPalette::Button, QPalette::ButtonText};

QString Paletttext(const QPalette &p) {
    QStringList farger;
    for (const auto roll : kRoller)
        farger << p.color(roll).name(QColor::HexArgb);
    return farger.join(u',');
}

struct Post {
    QObject *objekt;
    int foralder;
    QString klass;
    QRect plats;
    bool synlig;
    QStringList egenskaper; // key=value
};

class Skrivare {
public:
    explicit Skrivare(QMainWindow &fonster) : fonster_(fonster) {}

    void Samla(QWidget *w, int foralder) {
        const QString klass = Standardklass(w);
        if (!Klasser().count(klass) && klass != QLatin1String("QMainWindow"))
            throw Fel("okänd klass " + klass.toStdString() + " för " +
                      w->objectName().toStdString());
        const int nummer = static_cast<int>(poster_.size());
        Post post{w, foralder, klass, {}, !w->isHidden(), Egenskaper(w, klass)};
        if (w == fonster_.centralWidget())
            post.egenskaper << QStringLiteral("roll=central");
        if (w == fonster_.menuBar())
            post.egenskaper << QStringLiteral("roll=menubar");
        poster_.push_back(post);
        if (auto *meny = qobject_cast<QMenu *>(w))
            for (QAction *val : meny->actions())
                poster_.push_back({val,
                                   nummer,
                                   QStringLiteral("QAction"),
                                   {},
                                   val->isEnabled(),
                                   {QStringLiteral("text=") + val->text()}});
        // A scroll area's own child is the widget it scrolls (inside its
        // viewport, one of its inner parts).
        if (auto *rullning = qobject_cast<QScrollArea *>(w)) {
            if (rullning->widget())
                Samla(rullning->widget(), nummer);
            return;
        }
        const bool menyrad = qobject_cast<QMenuBar *>(w) != nullptr;
        if (!ArBehallare(klass) && !menyrad)
            return;
        for (QObject *barn : w->children()) {
            auto *b = qobject_cast<QWidget *>(barn);
            // Dialogs and Qt's own inner parts are not the window's; a menu
            // bar holds only its menus.
            if (!b || b->objectName().startsWith(QLatin1String("qt_")))
                continue;
            auto *meny = qobject_cast<QMenu *>(b);
            if ((b->isWindow() && !meny) ||
                (menyrad && !(meny && w->actions().contains(meny->menuAction()))))
                continue;
            Samla(b, nummer);
        }
    }

    // The places of the widgets `inom` holds (itself included), as they stand.
    void Platser(const std::function<bool(QWidget *)> &inom) {
        for (auto &post : poster_)
            if (auto *w = qobject_cast<QWidget *>(post.objekt); w && inom(w))
                post.plats = w->geometry();
    }

    QString Text() const {
        QString ut = QStringLiteral("# nummer\tförälder\tklass\tobjectName\tplats\tsynlig\t"
                                    "egenskaper\n");
        for (std::size_t i = 0; i < poster_.size(); ++i) {
            const Post &post = poster_[i];
            QStringList falt = {QString::number(i), QString::number(post.foralder), post.klass,
                                Skydda(post.objekt->objectName())};
            falt << (post.klass == QLatin1String("QAction") ? QString()
                                                            : QStringLiteral("%1,%2,%3,%4")
                                                                  .arg(post.plats.x())
                                                                  .arg(post.plats.y())
                                                                  .arg(post.plats.width())
                                                                  .arg(post.plats.height()));
            falt << (post.synlig ? QStringLiteral("1") : QStringLiteral("0"));
            for (const auto &e : post.egenskaper)
                falt << Skydda(e);
            ut += falt.join(u'\t') + u'\n';
        }
        return ut;
    }

private:
    QStringList Egenskaper(QWidget *w, const QString &klass) {
        QStringList ut;
        const QMetaObject *standard = w->metaObject();
        while (QString::fromLatin1(standard->className()) != klass)
            standard = standard->superClass();
        QWidget *farsk = Farsk(klass);
        for (int i = 0; i < standard->propertyCount(); ++i) {
            const QMetaProperty e = standard->property(i);
            const QString namn = QString::fromLatin1(e.name());
            if (!e.isReadable() || !e.isWritable() || !e.isStored() || Utelamnade().count(namn))
                continue;
            QString har, ny;
            if (!Vardetext(e, e.read(w), har) || !Vardetext(e, e.read(farsk), ny) || har == ny)
                continue;
            ut << namn + u'=' + har;
        }
        if (w->testAttribute(Qt::WA_SetPalette))
            ut << QStringLiteral("palette=") + Paletttext(w->palette());
        // A list's or a combo box's rows, one field each.
        if (auto *lista = qobject_cast<QListWidget *>(w))
            for (int i = 0; i < lista->count(); ++i)
                ut << QStringLiteral("item=") + lista->item(i)->text();
        if (auto *val = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < val->count(); ++i)
                ut << QStringLiteral("item=") + val->itemText(i);
        return ut;
    }

    QWidget *Farsk(const QString &klass) {
        auto &w = farska_[klass];
        if (!w) {
            if (klass == QLatin1String("QMainWindow"))
                w.reset(new QMainWindow);
            else
                w.reset(Klasser().at(klass)());
        }
        return w.get();
    }

    QMainWindow &fonster_;
    std::vector<Post> poster_;
    std::map<QString, std::unique_ptr<QWidget>> farska_;
};

} // namespace

QString Skriv(QMainWindow &fonster, const QList<QWidget *> &paneler) {
    Skrivare skrivare(fonster);
    skrivare.Samla(&fonster, -1);
    // Each panel shown alone, its layout applied and its places read; then
    // the panel shown before and the rest of the window.
    QWidget *visad = nullptr;
    for (QWidget *panel : paneler)
        if (!panel->isHidden())
            visad = panel;
    auto inomPanel = [&](QWidget *w) {
        for (QWidget *panel : paneler)
            if (w == panel || panel->isAncestorOf(w))
                return true;
        return false;
    };
    for (QWidget *panel : paneler) {
        for (QWidget *p : paneler)
            p->setVisible(p == panel);
        QApplication::processEvents();
        skrivare.Platser([&](QWidget *w) { return w == panel || panel->isAncestorOf(w); });
    }
    for (QWidget *p : paneler)
        p->setVisible(p == visad);
    QApplication::processEvents();
    skrivare.Platser([&](QWidget *w) { return !inomPanel(w); });
    return skrivare.Text();
}

std::unique_ptr<QMainWindow> Bygg(const QString &text) {
    auto fonster = std::make_unique<QMainWindow>();
    std::vector<QObject *> byggda; // by number
    const QStringList rader = text.split(u'\n');
    for (int i = 0; i < rader.size(); ++i) {
        const int radnr = i + 1;
        const QString &rad = rader[i];
        if (rad.isEmpty() || rad.startsWith(u'#'))
            continue;
        auto fel = [&](const std::string &vad) {
            return Fel("rad " + std::to_string(radnr) + ": " + vad);
        };
        const QStringList falt = rad.split(u'\t');
        if (falt.size() < 6)
            throw fel("för få fält");
        bool ok = false;
        const int nummer = falt[0].toInt(&ok);
        if (!ok || nummer != static_cast<int>(byggda.size()))
            throw fel("numret ska vara " + std::to_string(byggda.size()));
        const int foralder = falt[1].toInt(&ok);
        if (!ok || foralder < -1 || foralder >= nummer || (foralder == -1) != (nummer == 0))
            throw fel("föräldern ska vara en tidigare rad");
        const QString klass = falt[2];
        const QString namn = Oskydda(falt[3], radnr);
        const bool synlig = falt[5] == QLatin1String("1");
        std::vector<std::pair<QString, QString>> egenskaper;
        for (qsizetype f = 6; f < falt.size(); ++f) {
            const QString e = Oskydda(falt[f], radnr);
            const qsizetype lika = e.indexOf(u'=');
            if (lika <= 0)
                throw fel("en egenskap utan =");
            egenskaper.emplace_back(e.left(lika), e.mid(lika + 1));
        }

        if (klass == QLatin1String("QAction")) {
            auto *meny = qobject_cast<QMenu *>(foralder >= 0 ? byggda[foralder] : nullptr);
            if (!meny)
                throw fel("ett menyval utanför en meny");
            QAction *val = meny->addAction(egenskaper.empty() ? QString() : egenskaper[0].second);
            val->setObjectName(namn);
            val->setEnabled(synlig);
            byggda.push_back(val);
            continue;
        }

        QWidget *w = nullptr;
        QString roll;
        for (const auto &[nyckel, varde] : egenskaper)
            if (nyckel == QLatin1String("roll"))
                roll = varde;
        if (nummer == 0) {
            if (klass != QLatin1String("QMainWindow"))
                throw fel("första raden ska vara fönstret");
            w = fonster.get();
        } else {
            const auto skapa = Klasser().find(klass);
            if (skapa == Klasser().end())
                throw fel("okänd klass " + klass.toStdString());
            auto *farsk = qobject_cast<QWidget *>(byggda[foralder]);
            if (!farsk)
                throw fel("föräldern är inget fönster");
            w = skapa->second();
            if (roll == QLatin1String("central"))
                fonster->setCentralWidget(w);
            else if (roll == QLatin1String("menubar"))
                fonster->setMenuBar(static_cast<QMenuBar *>(w));
            else if (auto *menyrad = qobject_cast<QMenuBar *>(farsk)) {
                auto *meny = qobject_cast<QMenu *>(w);
                if (!meny)
                    throw fel("en menyrad håller bara menyer");
                meny->setParent(menyrad, meny->windowFlags());
                menyrad->addMenu(meny);
            } else if (auto *rullning = qobject_cast<QScrollArea *>(farsk))
                rullning->setWidget(w);
            else
                w->setParent(farsk);
        }
        w->setObjectName(namn);
        const QMetaObject *m = w->metaObject();
        for (const auto &[nyckel, varde] : egenskaper) {
            if (nyckel == QLatin1String("roll"))
                continue;
            if (nyckel == QLatin1String("palette")) {
                const QStringList farger = varde.split(u',');
                QPalette p = w->palette();
                for (qsizetype r = 0; r < farger.size() && r < std::ssize(kRoller); ++r)
                    p.setColor(kRoller[r], QColor(farger[r]));
                w->setPalette(p);
            } else if (nyckel == QLatin1String("item")) {
                if (auto *lista = qobject_cast<QListWidget *>(w))
                    lista->addItem(varde);
                else if (auto *val = qobject_cast<QComboBox *>(w))
                    val->addItem(varde);
                else
                    throw fel(klass.toStdString() + " har inga rader");
            } else {
                const int index = m->indexOfProperty(nyckel.toLatin1().constData());
                if (index < 0)
                    throw fel(klass.toStdString() + " har ingen egenskap " + nyckel.toStdString());
                const QMetaProperty e = m->property(index);
                if (!e.write(w, Textvarde(e, varde)))
                    throw fel("egenskapen " + nyckel.toStdString() + " kan inte sättas till " +
                              varde.toStdString());
            }
        }
        const QStringList plats = falt[4].split(u',');
        if (plats.size() != 4)
            throw fel("platsen ska vara x,y,bredd,höjd");
        const QRect r(plats[0].toInt(), plats[1].toInt(), plats[2].toInt(), plats[3].toInt());
        if (nummer == 0 || roll.isEmpty())
            w->setGeometry(r);
        if (nummer != 0 && qobject_cast<QMenu *>(w) == nullptr)
            w->setVisible(synlig);
        byggda.push_back(w);
    }
    if (byggda.empty())
        throw Fel("skelettet är tomt");
    return fonster;
}

} // namespace skelett
