// A test component plugin: a calculator that hosts call by name, a ProgID whose factory gives
// no object and one whose creation fails.
#include "AutomationError.h"
#include "ComponentFactory.h"
#include "Dispatch.h"

#include <QObject>
#include <stdexcept>

class Calculator : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }

    Q_INVOKABLE qint64 Add(qint64 a, qint64 b)
    {
        return automation::Guard([&] { return a + b; });
    }

    Q_INVOKABLE double Divide(double a, double b)
    {
        return automation::Guard([&] {
            if (b == 0)
                throw automation::AutomationError(11, QStringLiteral("Division by zero"), QStringLiteral("Calculator"));
            return a / b;
        });
    }

private:
    QString m_caption;
};

class CalculatorPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "CalculatorPlugin.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString& progId) override
    {
        if (progId == QLatin1String("TabrixTest.Calculator"))
            return new Calculator;
        if (progId == QLatin1String("TabrixTest.Faulty"))
            throw std::runtime_error("the calculator's licence is missing");
        return nullptr;
    }
};

#include "CalculatorPlugin.moc"
