// SPDX-License-Identifier: GPL-3.0-or-later
// Objects exposed to scripts: see script_objects.h.
#include "script/script_objects.h"

#include "device/config_image.h"
#include "engine/engine.h"
#include "planner/busy_state.h"
#include "planner/dive_parameters.h"

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QMetaMethod>
#include <QScriptContext>
#include <QScriptEngine>
#include <QSettings>
#include <QTimer>
#include <QVarLengthArray>
#include <cmath>
#include <memory>

namespace
{

constexpr int MaxArguments = 10; // what QMetaMethod::invoke passes

// The most derived public slot or invokable of this name taking argc arguments, so that
// a subclass's method of the same name wins over its base's.
QMetaMethod findMethod(const QMetaObject* meta, const QByteArray& name, int argc)
{
    for (int i = meta->methodCount() - 1; i >= QObject::staticMetaObject.methodCount(); --i) {
        const QMetaMethod m = meta->method(i);
        if (m.access() == QMetaMethod::Public && m.methodType() != QMetaMethod::Signal &&
            m.methodType() != QMetaMethod::Constructor && m.name() == name &&
            m.parameterCount() == argc)
            return m;
    }
    return QMetaMethod();
}

// Closes every modal dialog that appears while it lives, and remembers the first title.
class DialogCloser
{
public:
    DialogCloser()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (!closed_)
                title_ = modal->windowTitle();
            closed_ = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        timer_.start(50);
    }
    bool closed() const { return closed_; }
    const QString& title() const { return title_; }

private:
    QTimer timer_;
    bool closed_ = false;
    QString title_;
};

// The native function behind each guarded method: converts the arguments to the
// method's parameter types, calls it and turns a thrown failure into a script error.
QScriptValue guardedCall(QScriptContext* ctx, QScriptEngine* engine)
{
    const QScriptValue data = ctx->callee().data();
    QObject* object = data.property(QStringLiteral("object")).toQObject();
    const QByteArray name = data.property(QStringLiteral("name")).toString().toLatin1();
    if (!object)
        return ctx->throwError(
            QScriptContext::ReferenceError,
            QStringLiteral("%1: the object no longer exists").arg(QString::fromLatin1(name)));
    const QMetaMethod method = findMethod(object->metaObject(), name, ctx->argumentCount());
    if (!method.isValid() || method.parameterCount() > MaxArguments)
        return ctx->throwError(QScriptContext::SyntaxError,
                               QStringLiteral("%1: no form of it takes %2 arguments")
                                   .arg(QString::fromLatin1(name))
                                   .arg(ctx->argumentCount()));

    QVariant values[MaxArguments];
    QObject* pointers[MaxArguments] = {};
    QGenericArgument args[MaxArguments];
    const QList<QByteArray> types = method.parameterTypes();
    for (int k = 0; k < method.parameterCount(); ++k) {
        const QByteArray& type = types[k];
        const QScriptValue arg = ctx->argument(k);
        bool ok = true;
        if (type.endsWith('*')) {
            // An object pointer (QSettings* for save and load): the class must match.
            QByteArray cls = type.left(type.size() - 1).trimmed();
            if (cls.startsWith("const "))
                cls = cls.mid(6);
            pointers[k] = arg.toQObject();
            ok = arg.isNull() || (pointers[k] && pointers[k]->inherits(cls.constData()));
            args[k] = QGenericArgument(type.constData(), &pointers[k]);
        } else {
            values[k] = arg.toVariant();
            ok = values[k].convert(method.parameterType(k));
            args[k] = QGenericArgument(type.constData(), values[k].constData());
        }
        if (!ok)
            return ctx->throwError(QScriptContext::TypeError,
                                   QStringLiteral("%1: argument %2 should be a %3")
                                       .arg(QString::fromLatin1(name))
                                       .arg(k + 1)
                                       .arg(QString::fromLatin1(type)));
    }

    const int returnType = method.returnType();
    QVariant result = returnType == QMetaType::Void ? QVariant() : QVariant(returnType, nullptr);
    std::unique_ptr<DialogCloser> closer;
    if (data.property(QStringLiteral("headless")).toBool())
        closer = std::make_unique<DialogCloser>();
    const QGenericReturnArgument ret(method.typeName(),
                                     returnType == QMetaType::Void ? nullptr : result.data());
    try {
        // The script holds the busy state; the command it calls runs on its behalf.
        BusyLoan loan;
        method.invoke(object, Qt::DirectConnection, ret, args[0], args[1], args[2], args[3],
                      args[4], args[5], args[6], args[7], args[8], args[9]);
    } catch (const QString& text) {
        return ctx->throwError(text);
    } catch (const std::exception& e) {
        return ctx->throwError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return ctx->throwError(QString::fromLatin1(exceptionCaughtText));
    }
    if (closer && closer->closed())
        return ctx->throwError(QStringLiteral("%1: the dialog \"%2\" needs a display")
                                   .arg(QString::fromLatin1(name), closer->title()));
    return result.isValid() ? engine->toScriptValue(result) : engine->undefinedValue();
}

QScriptValue settingsGet(QScriptContext* ctx, QScriptEngine* engine)
{
    auto* settings = qobject_cast<QSettings*>(ctx->callee().data().toQObject());
    const QVariant v = settings->value(ctx->argument(0).toString());
    switch (v.userType()) {
    case QMetaType::UnknownType:
        return engine->undefinedValue();
    case QMetaType::Bool:
        return QScriptValue(v.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return QScriptValue(v.toDouble());
    case QMetaType::QString: {
        // The settings file holds text: "true"/"false" are booleans, numbers numbers.
        const QString text = v.toString();
        if (text == QLatin1String("true") || text == QLatin1String("false"))
            return QScriptValue(text == QLatin1String("true"));
        bool number = false;
        const double d = text.toDouble(&number);
        return number ? QScriptValue(d) : QScriptValue(text);
    }
    default:
        return engine->toScriptValue(v);
    }
}

QScriptValue settingsSet(QScriptContext* ctx, QScriptEngine* engine)
{
    auto* settings = qobject_cast<QSettings*>(ctx->callee().data().toQObject());
    // The update checks' servers and dates are not a script's to change: a script could
    // point them at a server of its own.
    const QString key = ctx->argument(0).toString();
    if (key.split(QLatin1Char('/'), Qt::SkipEmptyParts)
            .value(0)
            .compare(QLatin1String("Updates"), Qt::CaseInsensitive) == 0)
        return ctx->throwError(
            QScriptContext::ReferenceError,
            QStringLiteral("%1: the Updates/ settings cannot be changed by a script").arg(key));
    settings->setValue(key, ctx->argument(1).toString());
    return engine->undefinedValue();
}

QScriptValue settingsList(QScriptContext* ctx, QScriptEngine* engine)
{
    auto* settings = qobject_cast<QSettings*>(ctx->callee().data().toQObject());
    const bool group = ctx->argumentCount() > 0 && !ctx->argument(0).isUndefined();
    if (group)
        settings->beginGroup(ctx->argument(0).toString());
    const QStringList keys = settings->allKeys();
    if (group)
        settings->endGroup();
    return engine->toScriptValue(keys);
}

// RGB332: red's top 3 bits, green's top 3 bits, blue's top 2 bits; unpacked to the
// full 0..255 range so that white is #ffffff.
quint16 packColour(const QColor& c)
{
    return static_cast<quint16>(((c.red() >> 5) << 5) | ((c.green() >> 5) << 2) | (c.blue() >> 6));
}

QString colourName(quint16 code)
{
    const int r = (code >> 5) & 7, g = (code >> 2) & 7, b = code & 3;
    return QColor(r * 255 / 7, g * 255 / 7, b * 255 / 3).name();
}

// The prototype's own toString expects a wrapped object as `this`, not the guard.
QScriptValue guardToString(QScriptContext* ctx, QScriptEngine*)
{
    const QObject* object = ctx->callee().data().toQObject();
    if (!object)
        return QScriptValue(QStringLiteral("[deleted object]"));
    return QScriptValue(
        QStringLiteral("%1(name = \"%2\")")
            .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName()));
}

} // namespace

QScriptValue exposeGuarded(QScriptEngine* engine, QObject* object, bool headless)
{
    const QScriptEngine::QObjectWrapOptions options = QScriptEngine::ExcludeChildObjects |
                                                      QScriptEngine::ExcludeDeleteLater |
                                                      QScriptEngine::ExcludeSlots;
    const QScriptValue wrapper = engine->newQObject(object, QScriptEngine::QtOwnership, options);
    // Only the calls below are reachable: no prototype leads to the wrapper, whose signals
    // (destroyed), properties and inherited slots (close, setStyleSheet, grab) a script
    // could otherwise call. A program class offers its own methods, not those of the Qt
    // classes it derives from; a Qt object (the application) its public slots.
    QScriptValue guard = engine->newObject();
    const QMetaObject* meta = object->metaObject();
    const QMetaObject* toolkit = meta;
    while (toolkit->superClass() && !QByteArray(toolkit->className()).startsWith('Q'))
        toolkit = toolkit->superClass();
    const int first =
        toolkit == meta ? QObject::staticMetaObject.methodCount() : toolkit->methodCount();
    for (int i = first; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.access() != QMetaMethod::Public || m.methodType() == QMetaMethod::Signal ||
            m.methodType() == QMetaMethod::Constructor)
            continue;
        const QString name = QString::fromLatin1(m.name());
        if (guard.property(name, QScriptValue::ResolveLocal).isValid())
            continue;
        QScriptValue data = engine->newObject();
        data.setProperty(QStringLiteral("object"), wrapper);
        data.setProperty(QStringLiteral("name"), name);
        data.setProperty(QStringLiteral("headless"), headless);
        QScriptValue function = engine->newFunction(guardedCall);
        function.setData(data);
        guard.setProperty(name, function);
    }
    QScriptValue toString = engine->newFunction(guardToString);
    toString.setData(wrapper);
    guard.setProperty(QStringLiteral("toString"), toString, QScriptValue::SkipInEnumeration);
    return guard;
}

QScriptValue exposeSettings(QScriptEngine* engine, QSettings* settings)
{
    QScriptValue value = engine->newQObject(
        settings, QScriptEngine::QtOwnership,
        QScriptEngine::ExcludeChildObjects | QScriptEngine::ExcludeDeleteLater |
            QScriptEngine::ExcludeSuperClassContents | QScriptEngine::ExcludeSlots);
    const std::pair<const char*, QScriptEngine::FunctionSignature> functions[] = {
        {"get", settingsGet}, {"set", settingsSet}, {"list", settingsList}};
    for (const auto& f : functions) {
        QScriptValue function = engine->newFunction(f.second);
        function.setData(value);
        value.setProperty(QLatin1String(f.first), function);
    }
    return value;
}

// --- ostc.cf ---------------------------------------------------------------------------

ScriptCf::ScriptCf(ConfigImage& image, std::function<void()> showParameters, QObject* parent)
    : QObject(parent), image_(image), showParameters_(std::move(showParameters))
{
}

bool ScriptCf::valid(int i)
{
    // The image's own bound, and never past the 96 entries whatever a device wrote there.
    return i >= 0 && i < image_.byte(ConfigImage::cf_count) && i < ConfigImage::CfCount;
}

QScriptValue ScriptCf::toScript(int i, quint16 raw)
{
    switch (ConfigImage::cfDefinition(i).type) {
    case 1:
    case 2:
    case 5:
    case 6:
        return QScriptValue(static_cast<int>(raw));
    case 134:
        return QScriptValue(static_cast<int>(static_cast<qint16>(raw)));
    case 3:
        return QScriptValue(raw / 10.0);
    case 4:
        return QScriptValue(raw / 100.0);
    case 7:
        return QScriptValue(colourName(raw));
    case 8:
        return QScriptValue(raw != 0);
    default:
        return QScriptValue(QString());
    }
}

QString ScriptCf::fromScript(int i, const QScriptValue& value, quint16* raw, bool* outOfRange)
{
    if (outOfRange)
        *outOfRange = false;
    const quint32 type = ConfigImage::cfDefinition(i).type;
    *raw = 0;
    if (type == 7) {
        const QColor colour(value.toString());
        if (!value.isString() || !colour.isValid())
            return QStringLiteral("%1: unknown colour '%2'")
                .arg(ConfigImage::cfName(i), value.toString());
        *raw = packColour(colour);
        return QString();
    }
    if (type == 8) {
        *raw = value.toBool() ? 1 : 0;
        return QString();
    }
    if (type != 1 && type != 2 && type != 3 && type != 4 && type != 5 && type != 6 && type != 134)
        return QString();
    const double number = value.toNumber();
    if (!std::isfinite(number))
        return QStringLiteral("%1: '%2' is not a number")
            .arg(ConfigImage::cfName(i), value.toString());
    const double scale = type == 3 ? 10.0 : (type == 4 ? 100.0 : 1.0);
    // Decimals are not exact in binary (1.15 x 100 is 114.99999...): a hair is added
    // before truncating, far below the smallest step of any CF.
    const double scaled = std::trunc(number * scale + (number < 0 ? -1e-7 : 1e-7));
    const double lowest = type == 134 ? -32768 : 0;
    const double highest = type == 134 ? 32767 : 65535;
    if (scaled < lowest || scaled > highest) {
        if (outOfRange)
            *outOfRange = true;
        return QStringLiteral("value %1 out of range").arg(number);
    }
    *raw = static_cast<quint16>(static_cast<qint32>(scaled));
    return QString();
}

QScriptValue ScriptCf::set(int i, const QScriptValue& value)
{
    if (!valid(i))
        return context()->throwError(QScriptContext::RangeError, QStringLiteral("Bas CF index"));
    quint16 raw = 0;
    bool outOfRange = false;
    QString error = fromScript(i, value, &raw, &outOfRange);
    if (!error.isEmpty())
        return context()->throwError(
            outOfRange ? QScriptContext::RangeError : QScriptContext::TypeError, error);
    error = ConfigImage::checkCf(i, raw);
    if (!error.isEmpty())
        return context()->throwError(QScriptContext::RangeError, error);
    image_.setCf(i, raw);
    try {
        if (showParameters_)
            showParameters_();
    } catch (const QString& text) {
        return context()->throwError(text);
    }
    return engine()->undefinedValue();
}

QScriptValue ScriptCf::get(int i)
{
    if (!valid(i))
        return context()->throwError(QScriptContext::RangeError, QStringLiteral("Bas CF index"));
    return toScript(i, image_.cf(i));
}

QScriptValue ScriptCf::name(int i)
{
    if (!valid(i))
        return context()->throwError(QScriptContext::RangeError, QStringLiteral("Bas CF index"));
    return QScriptValue(QString::fromLatin1(ConfigImage::cfDefinition(i).label));
}

QScriptValue ScriptCf::reset(int i)
{
    if (!valid(i))
        return context()->throwError(QScriptContext::RangeError, QStringLiteral("Bas CF index"));
    return toScript(i, ConfigImage::cfDefinition(i).def);
}

QScriptValue ScriptCf::min(int i)
{
    if (!valid(i))
        return context()->throwError(QScriptContext::RangeError, QStringLiteral("Bas CF index"));
    return toScript(i, ConfigImage::cfDefinition(i).min);
}

QScriptValue ScriptCf::max(int i)
{
    if (!valid(i))
        return context()->throwError(QScriptContext::RangeError, QStringLiteral("Bas CF index"));
    return toScript(i, ConfigImage::cfDefinition(i).max);
}

// --- ostc.gas, ostc.plan ------------------------------------------------------------------

QScriptValue ScriptGas::volume(int i)
{
    if (i < 1 || i > ConfigImage::GasCount)
        return context()->throwError(QScriptContext::RangeError, QStringLiteral("Bas gas index"));
    return QScriptValue(static_cast<int>(planner::plannerEngine().out_gas_volume_l[i - 1]));
}

ScriptPlan::ScriptPlan(std::function<DiveProfile*()> profile, QObject* parent)
    : Decoplan(parent), profile_(std::move(profile))
{
}

void ScriptPlan::create(bool ccr)
{
    setProfile(profile_ ? profile_() : nullptr);
    Decoplan::create(ccr);
}
