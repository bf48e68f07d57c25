// Class descriptions: registration order, base names, own properties with their types.
#include "framework/classes.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QObject>

namespace {

class Base : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Left MEMBER left)

public:
    int left = 0;
};

class Derived : public Base {
    Q_OBJECT
    Q_PROPERTY(QString Text MEMBER text)
    Q_PROPERTY(bool Bold MEMBER bold)
    Q_PROPERTY(QColor TextColor MEMBER color)
    Q_PROPERTY(double Ratio MEMBER ratio)

public:
    QString text;
    bool bold = false;
    QColor color;
    double ratio = 0;
};

TEST(ClassRegistry, KeepsOrderBaseAndOwnPropertiesInDeclaredOrder)
{
    fw::registerClass(QStringLiteral("Test.Base"), &Base::staticMetaObject);
    fw::registerClass(QStringLiteral("Test.Derived"), &Derived::staticMetaObject);
    fw::registerClass(QStringLiteral("Test.Base"), &Derived::staticMetaObject); // a second registration is ignored

    const fw::ClassInfo* derived = fw::findClass(QStringLiteral("Test.Derived"));
    ASSERT_NE(derived, nullptr);
    EXPECT_EQ(derived->baseName, QStringLiteral("Test.Base"));
    ASSERT_EQ(derived->properties.size(), 4u);
    EXPECT_EQ(derived->properties[0].name, QStringLiteral("Text"));
    EXPECT_EQ(derived->properties[0].type, fw::PropertyType::String);
    EXPECT_EQ(derived->properties[1].type, fw::PropertyType::Boolean);
    EXPECT_EQ(derived->properties[2].type, fw::PropertyType::Color);
    EXPECT_EQ(derived->properties[3].type, fw::PropertyType::Other);
    EXPECT_EQ(fw::findClass(QStringLiteral("Test.Base"))->meta, &Base::staticMetaObject);

    const auto& all = fw::registeredClasses();
    auto position = [&](const QString& name) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i].name == name)
                return static_cast<int>(i);
        }
        return -1;
    };
    EXPECT_LT(position(QStringLiteral("Test.Base")), position(QStringLiteral("Test.Derived")));
    EXPECT_EQ(fw::registeredNameOf(&Derived::staticMetaObject), QStringLiteral("Test.Derived"));
    EXPECT_EQ(fw::findClass(QStringLiteral("Test.Missing")), nullptr);
}

} // namespace

#include "test_classes.moc"
