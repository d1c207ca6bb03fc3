#include "sections/MaterialDialog.h"

#include "app/DisplayText.h"
#include "app/Session.h"
#include "common/NumberText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirelo {

namespace {

QLineEdit* ReadOnlyBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

void AddRow(QFormLayout* layout, QWidget* parent, const char* caption, QWidget* box)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setBuddy(box);
    layout->addRow(label, box);
}

} // namespace

MaterialDialog::MaterialDialog(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("TForm3");
    setWindowTitle(QString::fromUtf8("材料数据库"));

    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->setFixedWidth(160);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });

    auto* elastic = new QGroupBox(QString::fromUtf8("材料属性(弹性)"), this);
    elastic->setObjectName("GroupBox1");
    auto* form = new QFormLayout(elastic);
    name_ = ReadOnlyBox(elastic, "Edit1");
    AddRow(form, elastic, "材料名称", name_);
    // The kind is shown, not chosen: the script writes an elastic material
    // for every material, and no other kind has parameters here.
    type_ = new QComboBox(elastic);
    type_->setObjectName("ComboBox1");
    for (const char* item : {"弹性材料", "Steel01", "Concrete01", "Steel02", "Concrete02"})
        type_->addItem(QString::fromUtf8(item));
    type_->setEnabled(false);
    AddRow(form, elastic, "材料类型", type_);
    modulus_ = ReadOnlyBox(elastic, "Edit9");
    AddRow(form, elastic, "弹性模量E", modulus_);
    shear_ = ReadOnlyBox(elastic, "Edit2");
    AddRow(form, elastic, "抗剪模量G", shear_);
    poisson_ = ReadOnlyBox(elastic, "Edit3");
    AddRow(form, elastic, "泊松比", poisson_);

    auto* plastic = new QGroupBox(QString::fromUtf8("弹塑性材料"), this);
    plastic->setObjectName("GroupBox2");
    plastic->setMinimumHeight(60);

    auto* close = new QPushButton(QString::fromUtf8("关闭"), this);
    close->setObjectName("Button2");
    connect(close, &QPushButton::clicked, this, [this] { Button2Click(); });

    auto* right = new QVBoxLayout;
    right->addWidget(elastic);
    right->addWidget(plastic);
    right->addWidget(close, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(right);
}

void MaterialDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

// With no materials the list and the boxes are empty.
void MaterialDialog::FormShow()
{
    const QSignalBlocker quiet(list_);
    list_->clear();
    const Model& model = session_.model;
    for (std::int32_t m = 1; m <= model.Materials.count; ++m)
        list_->addItem(DisplayText(model.Materials[m].name));
    if (list_->count() == 0) {
        for (QLineEdit* box : {name_, modulus_, shear_, poisson_})
            box->clear();
        type_->setCurrentIndex(-1);
        return;
    }
    list_->setCurrentRow(0);
    ListBox1Click();
}

void MaterialDialog::ListBox1Click()
{
    const std::int32_t m = list_->currentRow() + 1;
    if (!session_.model.Materials.Contains(m))
        return;
    const Material& material = session_.model.Materials[m];
    name_->setText(DisplayText(material.name));
    type_->setCurrentIndex(material.materialType >= 1 && material.materialType <= type_->count()
                               ? material.materialType - 1
                               : -1);
    modulus_->setText(QString::fromStdString(FormatFixed(material.elasticModulus, 0)));
    shear_->setText(QString::fromStdString(FormatFixed(material.shearModulus, 0)));
    poisson_->setText(QString::fromStdString(FormatFixed(material.poisson, 3)));
}

void MaterialDialog::Button2Click()
{
    close();
}

} // namespace mirelo
