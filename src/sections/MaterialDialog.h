#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace mirelo {

struct Session;

// "材料数据库" (TForm3), the material viewer: name, kind, elastic modulus,
// shear modulus and Poisson's ratio of each imported material. It changes
// nothing in the model.
class MaterialDialog : public QDialog {
    Q_OBJECT

public:
    explicit MaterialDialog(Session& session, QWidget* parent = nullptr);

    void FormShow();
    void ListBox1Click();
    void Button2Click(); // "关闭"

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& session_;
    QListWidget* list_ = nullptr;    // ListBox1
    QLineEdit* name_ = nullptr;      // Edit1
    QComboBox* type_ = nullptr;      // ComboBox1
    QLineEdit* modulus_ = nullptr;   // Edit9
    QLineEdit* shear_ = nullptr;     // Edit2
    QLineEdit* poisson_ = nullptr;   // Edit3
};

} // namespace mirelo
