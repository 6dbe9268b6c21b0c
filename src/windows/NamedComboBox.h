#pragma once

#include <QComboBox>

// A drop-down list that a screen reader names by its caption (the text of the
// label it is the buddy of, or its accessible name) and reads its chosen item
// as its value. The toolkit names a list on Linux by its chosen item, so the
// caption would never be heard and the item twice.
class NamedComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit NamedComboBox(QWidget *parent = nullptr);
};
