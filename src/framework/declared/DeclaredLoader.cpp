#include "DeclaredLoader.h"

#include "DeclaredTree.h"
#include "framework/ClassRegistry.h"
#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Exception.h"
#include "platform/Colors.h"

#include <QFile>
#include <QHash>
#include <QMetaProperty>
#include <QPointer>
#include <QVarLengthArray>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace declared {

namespace {

struct PendingReference {
    QPointer<QObject> target;
    QByteArray property;
    QString module;
    QString component;
    QString file;
    int line = 0;
};

QList<PendingReference>& Pending()
{
    static QList<PendingReference> list;
    return list;
}

QList<QPointer<QObject>>& Roots()
{
    static QList<QPointer<QObject>> list;
    return list;
}

QHash<QString, qint64>& IntegerConstants()
{
    static QHash<QString, qint64> table;
    return table;
}

QString Where(const QString& file, int line) { return QStringLiteral("%1:%2: ").arg(file).arg(line); }

[[noreturn]] void Fail(const QString& file, int line, const QString& what)
{
    throw Exception(Where(file, line) + what);
}

// One published name of a class with the index of the most derived property of that
// name: published names ("Font", "Enabled") win over Qt's own properties that differ
// only in case ("font", "enabled"). The name is the class's own text in its static meta
// data, compared without regard to case, so no copy of it is made.
struct TPropertyName {
    const char* Name;
    int Index;
};

bool NameLess(const TPropertyName& a, const TPropertyName& b) { return qstricmp(a.Name, b.Name) < 0; }

// Each class's own property names (those its superclass lacks), sorted, made once per
// class: the windows set some 1,500 properties while the program starts, and each had
// compared its name with every property of its class. A class shares its ancestors'
// names rather than copying them (QWidget's sixty for every control class). Searched by
// halves rather than hashed: Qt's seeded hash of a short name costs more than the
// whole search.
const std::vector<TPropertyName>& OwnPropertyIndex(const QMetaObject* mo)
{
    static QHash<const QMetaObject*, std::vector<TPropertyName>> classes;
    auto it = classes.constFind(mo);
    if (it == classes.constEnd()) {
        std::vector<TPropertyName> names;
        names.reserve(std::size_t(mo->propertyCount() - mo->propertyOffset()));
        for (int i = mo->propertyCount() - 1; i >= mo->propertyOffset(); --i)
            names.push_back({ mo->property(i).name(), i });
        // Stable: of equal names the one declared last, listed first, stays.
        std::stable_sort(names.begin(), names.end(), NameLess);
        names.erase(
            std::unique(names.begin(), names.end(),
                [](const TPropertyName& a, const TPropertyName& b) { return qstricmp(a.Name, b.Name) == 0; }),
            names.end());
        it = classes.insert(mo, std::move(names));
    }
    return *it;
}

QMetaProperty FindProperty(const QObject* object, const QString& name)
{
    // Property names are ASCII, so a name matches one only if its case folding is ASCII
    // too (which lets the Kelvin sign stand for a 'k', as a case-blind compare would).
    const QString folded = name.toCaseFolded();
    QVarLengthArray<char, 64> key(folded.size() + 1);
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const char16_t c = folded.at(i).unicode();
        if (c == 0 || c >= 0x80) return {};
        key[i] = char(c);
    }
    key[folded.size()] = '\0';
    const TPropertyName wanted { key.constData(), -1 };
    // The most derived class that has the name wins.
    for (const QMetaObject* mo = object->metaObject(); mo; mo = mo->superClass()) {
        const std::vector<TPropertyName>& names = OwnPropertyIndex(mo);
        const auto found = std::lower_bound(names.begin(), names.end(), wanted, NameLess);
        if (found != names.end() && qstricmp(found->Name, wanted.Name) == 0)
            return mo->property(found->Index);
    }
    return {};
}

int FindMethod(const QObject* object, const QString& name)
{
    const QMetaObject* mo = object->metaObject();
    for (int i = mo->methodCount() - 1; i >= 0; --i)
        if (name.compare(QLatin1String(mo->method(i).name()), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

// Loads one file into one root.
class Loader {
public:
    Loader(QObject* root, QString file)
        : m_root(root)
        , m_file(std::move(file))
    {
    }

    void Load(const TDeclaredObject& tree)
    {
        const QString rootClass = QString::fromLatin1(m_root->metaObject()->className());
        if (tree.className.compare(rootClass, Qt::CaseInsensitive) != 0)
            Fail(m_file, tree.line,
                QStringLiteral("the file declares %1, but is loaded into %2").arg(tree.className, rootClass));
        TComponentBase* rootComponent = AsComponent(m_root);
        if (rootComponent) {
            rootComponent->SetLoading(true);
            rootComponent->SetName(tree.name);
        } else {
            m_root->setObjectName(tree.name);
        }
        m_loaded.append(m_root);
        // Create every component first, so that references within the file may point
        // forwards; then set properties in declaration order.
        CreateChildren(m_root, tree);
        ApplyObject(m_root, tree);
        for (const QPointer<QObject>& c : m_loaded)
            if (c && c != m_root)
                if (TComponentBase* comp = AsComponent(c)) comp->Loaded();
        if (rootComponent) rootComponent->Loaded();
    }

    const QList<PendingReference>& unresolved() const { return m_unresolved; }

private:
    QObject* m_root;
    QString m_file;
    QList<QPointer<QObject>> m_loaded;
    QHash<const TDeclaredObject*, QObject*> m_created;
    QList<PendingReference> m_unresolved;

    void CreateChildren(QObject* container, const TDeclaredObject& decl)
    {
        for (const TDeclaredObject& child : decl.children) {
            const TRegisteredClass* cls = FindRegisteredClass(child.className);
            if (!cls) Fail(m_file, child.line, QStringLiteral("unknown class %1").arg(child.className));
            QObject* object = cls->create(m_root);
            TComponentBase* comp = AsComponent(object);
            try {
                if (comp) {
                    comp->SetLoading(true);
                    comp->SetName(child.name);
                } else {
                    object->setObjectName(child.name);
                }
            } catch (const Exception& e) {
                delete object;
                Fail(m_file, child.line, e.Message());
            }
            if (auto* widget = qobject_cast<QWidget*>(object)) {
                if (auto* parentWidget = qobject_cast<QWidget*>(container))
                    PlaceControl(widget, parentWidget);
            }
            m_created.insert(&child, object);
            m_loaded.append(object);
            CreateChildren(object, child);
        }
    }

    // A control's position is relative to its container's client area; a container
    // says where that is through its "ClientContainer" property (a form's client widget).
    static void PlaceControl(QWidget* control, QWidget* container)
    {
        QWidget* target = container;
        const QVariant client = container->property("ClientContainer");
        if (client.isValid())
            if (auto* w = client.value<QWidget*>()) target = w;
        control->setParent(target);
    }

    void ApplyObject(QObject* object, const TDeclaredObject& decl)
    {
        for (const TDeclaredProperty& p : decl.properties)
            ApplyProperty(object, p);
        for (const TDeclaredObject& child : decl.children)
            ApplyObject(m_created.value(&child), child);
    }

    void ApplyProperty(QObject* object, const TDeclaredProperty& p)
    {
        const QStringList parts = p.path.split(u'.');
        QObject* target = object;
        for (int i = 0; i < parts.size(); ++i) {
            const QString& part = parts.at(i);
            QMetaProperty prop = FindProperty(target, part);
            if (!prop.isValid())
                Fail(m_file, p.line,
                    QStringLiteral("unknown property %1 of %2")
                        .arg(part, QLatin1String(target->metaObject()->className())));
            const bool last = i == parts.size() - 1;
            // "SQL.Strings = (...)": the string list property itself.
            const bool stringsOfList = i == parts.size() - 2 && prop.metaType().id() == QMetaType::QStringList
                && parts.last().compare(u"Strings", Qt::CaseInsensitive) == 0;
            if (last || stringsOfList) {
                writeValue(target, prop, p.value, p.line);
                return;
            }
            QObject* sub = prop.read(target).value<QObject*>();
            if (!sub)
                Fail(m_file, p.line,
                    QStringLiteral("property %1 of %2 has no sub-properties")
                        .arg(part, QLatin1String(target->metaObject()->className())));
            target = sub;
        }
    }

    [[noreturn]] void badValue(
        const QMetaProperty& prop, const TDeclaredValue& v, int line, const QString& why = {})
    {
        Fail(m_file, line,
            QStringLiteral("bad value %1 for property %2%3")
                .arg(v.Describe(), QLatin1String(prop.name()),
                    why.isEmpty() ? QString() : QStringLiteral(" (") + why + u')'));
    }

    void write(
        QObject* target, const QMetaProperty& prop, const QVariant& value, const TDeclaredValue& v, int line)
    {
        if (!prop.isWritable())
            Fail(m_file, line, QStringLiteral("property %1 is read-only").arg(QLatin1String(prop.name())));
        if (!prop.write(target, value)) badValue(prop, v, line);
    }

    void writeValue(QObject* target, const QMetaProperty& prop, const TDeclaredValue& v, int line)
    {
        const QMetaType type = prop.metaType();
        const int id = type.id();

        if (const events::TEventType* event = events::FindEventType(id)) {
            if (v.kind != TDeclaredValue::Identifier)
                badValue(prop, v, line, QStringLiteral("a handler name is expected"));
            const int method = FindMethod(m_root, v.text);
            if (method < 0)
                Fail(m_file, line,
                    QStringLiteral("handler %1 not found in %2")
                        .arg(v.text, QLatin1String(m_root->metaObject()->className())));
            if (m_root->metaObject()->method(method).parameterCount() != event->parameterCount)
                Fail(m_file, line,
                    QStringLiteral("handler %1 does not fit event %2")
                        .arg(v.text, QLatin1String(prop.name())));
            write(target, prop, event->bind(m_root, method), v, line);
            return;
        }
        if (prop.isFlagType()) {
            if (v.kind != TDeclaredValue::Set) badValue(prop, v, line, QStringLiteral("a set is expected"));
            const QMetaEnum e = prop.enumerator();
            int bits = 0;
            for (const QString& name : v.names) {
                bool ok = false;
                const int bit = e.keyToValue(name.toLatin1().constData(), &ok);
                if (!ok) badValue(prop, v, line, QStringLiteral("unknown element %1").arg(name));
                bits |= bit;
            }
            write(target, prop, QVariant(bits), v, line);
            return;
        }
        if (prop.isEnumType()) {
            if (v.kind != TDeclaredValue::Identifier) badValue(prop, v, line);
            bool ok = false;
            const int value = prop.enumerator().keyToValue(v.text.toLatin1().constData(), &ok);
            if (!ok) badValue(prop, v, line);
            write(target, prop, QVariant(value), v, line);
            return;
        }
        if (v.kind == TDeclaredValue::Collection) {
            auto* collection = qobject_cast<TCollection*>(prop.read(target).value<QObject*>());
            if (!collection) badValue(prop, v, line, QStringLiteral("the property is not a collection"));
            collection->Clear();
            for (const TDeclaredItem& item : v.items) {
                QObject* element = collection->Add();
                for (const TDeclaredProperty& p : item.properties)
                    ApplyProperty(element, p);
            }
            return;
        }
        if (type.flags() & QMetaType::PointerToQObject) {
            writeReference(target, prop, v, line);
            return;
        }
        switch (id) {
        case QMetaType::QString:
            if (v.kind != TDeclaredValue::String)
                badValue(prop, v, line, QStringLiteral("a string is expected"));
            write(target, prop, v.text, v, line);
            return;
        case QMetaType::Bool:
            if (v.kind == TDeclaredValue::Identifier && v.text.compare(u"True", Qt::CaseInsensitive) == 0)
                write(target, prop, true, v, line);
            else if (v.kind == TDeclaredValue::Identifier
                && v.text.compare(u"False", Qt::CaseInsensitive) == 0)
                write(target, prop, false, v, line);
            else
                badValue(prop, v, line, QStringLiteral("True or False is expected"));
            return;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            write(target, prop, QVariant(IntegerValue(prop, v, line)), v, line);
            return;
        case QMetaType::Double:
            if (v.kind == TDeclaredValue::Float)
                write(target, prop, v.real, v, line);
            else if (v.kind == TDeclaredValue::Integer)
                write(target, prop, static_cast<double>(v.integer), v, line);
            else
                badValue(prop, v, line);
            return;
        case QMetaType::QStringList: {
            QStringList lines;
            if (v.kind != TDeclaredValue::List)
                badValue(prop, v, line, QStringLiteral("a list of strings is expected"));
            for (const TDeclaredValue& item : v.list) {
                if (item.kind != TDeclaredValue::String)
                    badValue(prop, item, item.line, QStringLiteral("a string is expected"));
                lines.append(item.text);
            }
            write(target, prop, lines, v, line);
            return;
        }
        case QMetaType::QByteArray:
            if (v.kind == TDeclaredValue::Binary)
                write(target, prop, v.bytes, v, line);
            else if (v.kind == TDeclaredValue::String)
                write(target, prop, v.text.toUtf8(), v, line);
            else
                badValue(prop, v, line, QStringLiteral("binary data is expected"));
            return;
        default:
            break;
        }
        Fail(m_file, line,
            QStringLiteral("property %1 has a type declared data cannot set")
                .arg(QLatin1String(prop.name())));
    }

    qint64 IntegerValue(const QMetaProperty& prop, const TDeclaredValue& v, int line)
    {
        if (v.kind == TDeclaredValue::Integer) return v.integer;
        if (v.kind == TDeclaredValue::Identifier) {
            TColor color = 0;
            if (ColorFromName(v.text, color)) return color;
            auto it = IntegerConstants().constFind(v.text.toLower());
            if (it != IntegerConstants().constEnd()) return it.value();
        }
        badValue(prop, v, line, QStringLiteral("an integer is expected"));
    }

    void writeReference(QObject* target, const QMetaProperty& prop, const TDeclaredValue& v, int line)
    {
        if (v.kind != TDeclaredValue::Identifier)
            badValue(prop, v, line, QStringLiteral("a component name is expected"));
        const int dot = static_cast<int>(v.text.indexOf(u'.'));
        QString module = dot < 0 ? QString() : v.text.left(dot);
        const QString name = dot < 0 ? v.text : v.text.mid(dot + 1);
        QObject* found = nullptr;
        if (module.isEmpty() || module.compare(m_root->objectName(), Qt::CaseInsensitive) == 0) {
            if (name.compare(m_root->objectName(), Qt::CaseInsensitive) == 0)
                found = m_root;
            else if (TComponentBase* root = AsComponent(m_root))
                found = root->FindComponent(name);
            if (!found && module.isEmpty()) found = FindRoot(name);
            if (!found) Fail(m_file, line, QStringLiteral("no component named %1").arg(v.text));
        } else if (QObject* other = FindRoot(module)) {
            TComponentBase* otherComponent = AsComponent(other);
            found = otherComponent ? otherComponent->FindComponent(name) : nullptr;
            if (!found) Fail(m_file, line, QStringLiteral("%1 has no component named %2").arg(module, name));
        } else {
            m_unresolved.append({ target, QByteArray(prop.name()), module, name, m_file, line });
            return;
        }
        assignReference(target, prop, found, m_file, line);
    }

public:
    static void assignReference(
        QObject* target, const QMetaProperty& prop, QObject* value, const QString& file, int line)
    {
        const QMetaObject* wanted = prop.metaType().metaObject();
        if (wanted && !value->metaObject()->inherits(wanted))
            Fail(file, line,
                QStringLiteral("%1 is a %2, not a %3")
                    .arg(value->objectName(), QLatin1String(value->metaObject()->className()),
                        QLatin1String(wanted->className())));
        QVariant v = QVariant::fromValue(value);
        if (!v.convert(prop.metaType()) || !prop.write(target, v))
            Fail(file, line,
                QStringLiteral("cannot set %1 to %2").arg(QLatin1String(prop.name()), value->objectName()));
    }
};

// Resolves every waiting reference to `root` (just loaded).
void ResolvePendingFor(QObject* root)
{
    auto& list = Pending();
    for (int i = 0; i < list.size();) {
        PendingReference& r = list[i];
        if (!r.target) {
            list.removeAt(i);
            continue;
        }
        if (r.module.compare(root->objectName(), Qt::CaseInsensitive) != 0) {
            ++i;
            continue;
        }
        const PendingReference ref = list.takeAt(i);
        TComponentBase* component = AsComponent(root);
        QObject* found = component ? component->FindComponent(ref.component) : nullptr;
        if (!found)
            Fail(ref.file, ref.line,
                QStringLiteral("%1 has no component named %2").arg(ref.module, ref.component));
        const QMetaProperty prop = FindProperty(ref.target, QString::fromLatin1(ref.property));
        Loader::assignReference(ref.target, prop, found, ref.file, ref.line);
    }
}

} // namespace

void LoadRootFromText(QObject* root, const QString& text, const QString& fileName)
{
    const TDeclaredObject tree = ParseDeclared(text, fileName);
    Loader loader(root, fileName);
    loader.Load(tree);
    // Register the root first, so that its own references to modules loaded earlier
    // are not mistaken for waiting ones; then take on what waited for it.
    Roots().removeAll(nullptr);
    Roots().append(root);
    Pending().append(loader.unresolved());
    ResolvePendingFor(root);
}

void LoadRoot(QObject* root, const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("%1: cannot be read (%2)").arg(fileName, file.errorString()));
    LoadRootFromText(root, QString::fromUtf8(file.readAll()), fileName);
}

QObject* FindRoot(const QString& name)
{
    for (const QPointer<QObject>& r : Roots())
        if (r && r->objectName().compare(name, Qt::CaseInsensitive) == 0) return r.data();
    return nullptr;
}

QStringList PendingReferences()
{
    QStringList out;
    for (const PendingReference& r : Pending())
        if (r.target)
            out.append(QStringLiteral("%1:%2: %3.%4").arg(r.file).arg(r.line).arg(r.module, r.component));
    return out;
}

void CheckPendingReferences()
{
    for (const PendingReference& r : Pending())
        if (r.target)
            Fail(r.file, r.line,
                QStringLiteral("reference %1.%2 was never resolved: no module %1 is loaded")
                    .arg(r.module, r.component));
}

void RegisterIntegerConstant(const QString& name, qint64 value)
{
    IntegerConstants().insert(name.toLower(), value);
}

} // namespace declared
