#include "query/ExpressionParser.h"

#include "query/IExpressionLexer.h"

#include <QAtomicPointer>
#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QScriptEngine>

namespace {

// One engine for the whole process: a script engine is large, and a verdict
// per distinct mask is cached by each parser, so the engine is rarely used.
// QScriptEngine allows one thread at a time; this mutex makes it so.
QMutex g_engineMutex;
QAtomicPointer<QScriptEngine> g_engine;

QScriptEngine *sharedEngine()
{
    QScriptEngine *engine = g_engine.loadAcquire();
    if (engine)
        return engine;
    QMutexLocker lock(&g_engineMutex);
    engine = g_engine.loadRelaxed();
    if (!engine) {
        engine = new QScriptEngine;
        // The creating thread may be a short-lived worker; the engine handles
        // no events, but its affinity should not point at a finished thread.
        if (QCoreApplication *app = QCoreApplication::instance())
            engine->moveToThread(app->thread());
        g_engine.storeRelease(engine);
    }
    return engine;
}

} // namespace

ExpressionParser::ExpressionParser(const QList<int> &tokens)
{
    m_loneTerm = tokens.size() == 1 && tokens.first() == IExpressionLexer::Term;
    if (m_loneTerm) {
        m_script = placeholder(++m_termCount);
        m_valid = true;
        return;
    }
    for (int token : tokens) {
        switch (token) {
        case IExpressionLexer::Term:
            m_script += placeholder(++m_termCount);
            break;
        case IExpressionLexer::And:
            m_script += QLatin1String("&&");
            break;
        case IExpressionLexer::Or:
            m_script += QLatin1String("||");
            break;
        case IExpressionLexer::Not:
            m_script += QLatin1Char('!');
            break;
        case IExpressionLexer::Open:
            m_script += QLatin1Char('(');
            break;
        case IExpressionLexer::Close:
            m_script += QLatin1Char(')');
            break;
        }
    }

    QString probe = m_script;
    for (int n = 1; n <= m_termCount; ++n)
        probe.replace(placeholder(n), QLatin1String(" 0 "));
    QMutexLocker lock(&g_engineMutex);
    m_valid = QScriptEngine::checkSyntax(probe).state() == QScriptSyntaxCheckResult::Valid;
}

QString ExpressionParser::placeholder(int term)
{
    return QStringLiteral(" %") + QString::number(term) + QLatin1Char(' ');
}

// Each placeholder ends in a blank, so " %1 " never matches inside " %10 ".
QString ExpressionParser::substitute(quint32 mask) const
{
    QString text = m_script;
    for (int i = 0; i < m_termCount; ++i) {
        const bool found = mask & (1u << (i % 32));
        text.replace(placeholder(i + 1), found ? QLatin1String(" 1 ") : QLatin1String(" 0 "));
    }
    return text;
}

bool ExpressionParser::evaluate(quint32 mask)
{
    if (m_loneTerm)
        return (mask & 1u) != 0;
    if (!m_valid)
        return false;
    const auto cached = m_cache.constFind(mask);
    if (cached != m_cache.constEnd())
        return cached.value();

    const QString text = substitute(mask);
    bool verdict = false;
    {
        QScriptEngine *engine = sharedEngine(); // made by the first evaluation that needs it
        QMutexLocker lock(&g_engineMutex);
        // The result value belongs to the engine: it must die under the lock.
        verdict = engine->evaluate(text, QString(), 1).toBool();
        engine->clearExceptions();
    }
    m_cache.insert(mask, verdict);
    return verdict;
}
