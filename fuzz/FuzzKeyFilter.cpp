// The numeric entry box's key filter: limits from the first bytes, then every following
// byte typed as a key at a caret and selection also taken from the input.
#include "controls/NumberBoxLogic.h"
#include "controls/NumberTextBox.h"
#include "support/RecordingMessages.h"

#include <cstddef>
#include <cstdint>

namespace {

class MemoryTextBox final : public NumberTextBox {
public:
    QString text() const override { return m_text; }
    void setText(const QString& text) override { m_text = text; }
    int caret() const override { return m_caret; }
    int selectionLength() const override { return m_length; }
    void setSelection(int start, int length) override {
        m_caret = std::clamp(start, 0, static_cast<int>(m_text.size()));
        m_length = std::clamp(length, 0, static_cast<int>(m_text.size()) - m_caret);
    }
    void focusNext() override {}

private:
    QString m_text;
    int m_caret = 0;
    int m_length = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    MemoryTextBox box;
    RecordingMessages messages;
    NumberBoxLogic logic(box, messages);
    logic.setIntegerSize(data[0] % 12);
    logic.setDecimalSize(data[1] % 6);
    logic.setMinimumValue(static_cast<std::int8_t>(data[2]) * 10.0);
    logic.setMaximumValue(static_cast<std::int8_t>(data[3]) * 1000.0);
    logic.gotFocus();
    for (std::size_t i = 4; i + 1 < size; i += 2) {
        box.setSelection(data[i] % 16, data[i] / 16);
        const int accepted = logic.KeyPress(data[i + 1]);
        if (accepted != 0) {
            QString text = box.text();
            text.replace(box.caret(), box.selectionLength(), QChar(accepted));
            box.setText(text);
            box.setSelection(box.caret() + 1, 0);
        }
        logic.textChanged();
    }
    logic.lostFocus();
    (void)logic.Value();
    return 0;
}
