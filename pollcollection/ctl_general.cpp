#include "pollcollection/ctl_general.h"

#include <cmath>

#include "common/conversions.h"
#include "common/string_dictionary.h"

namespace norvel::poll {

std::optional<int64_t> formWidthPixels(std::string_view text) {
    std::optional<double> number = common::parseNumber(text);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    double pixels = common::roundHalfEven(*number);
    if (pixels < 1 || pixels > static_cast<double>(kMaxFormWidth))
        return std::nullopt;
    return static_cast<int64_t>(pixels);
}

int64_t barWidthPixels(int64_t formWidth) {
    return static_cast<int64_t>(common::roundHalfEven(static_cast<double>(formWidth) * 0.35));
}

namespace {

// A stored border size or padding, as a whole number; nothing for a value no number input
// could have held.
std::optional<std::string> storedWholeNumber(const std::string& text) {
    std::optional<double> number = common::parseNumber(text);
    if (!number || !std::isfinite(*number) || std::fabs(*number) > 1e15)
        return std::nullopt;
    return common::formatNumber(common::roundHalfEven(*number));
}

std::string barWidthText(const std::string& formWidth) {
    // A width Check would refuse has no bars; the poll is not generated with it anyway.
    std::optional<int64_t> pixels = formWidthPixels(formWidth);
    return pixels ? std::to_string(barWidthPixels(*pixels)) : "0";
}

}  // namespace

ctlGeneral::ctlGeneral() {
    addControl(Frame1, "Frame1", {120, 60, 5565, 1095});
    addControl(Label3, "Label3", {240, 330, 2895, 255}, &Frame1);
    addControl(QBackC, "QBackC", {3240, 300, 1335, 315}, &Frame1);
    addControl(Label4, "Label4", {240, 720, 2895, 255}, &Frame1);
    addControl(ABackC, "ABackC", {3240, 690, 1335, 315}, &Frame1);
    addControl(Frame2, "Frame2", {120, 1275, 5565, 1095});
    addControl(Label1, "Label1", {240, 330, 2895, 255}, &Frame2);
    addControl(txtVW, "txtVW", {3240, 300, 975, 315}, &Frame2);
    addControl(Label2, "Label2", {240, 720, 2895, 255}, &Frame2);
    addControl(txtRW, "txtRW", {3240, 690, 975, 315}, &Frame2);
    addControl(Frame3, "Frame3", {120, 2490, 5565, 1095});
    addControl(Label5, "Label5", {240, 330, 2895, 255}, &Frame3);
    addControl(IncBorder, "IncBorder", {3240, 300, 630, 315}, &Frame3);
    addControl(Label6, "Label6", {240, 720, 2895, 255}, &Frame3);
    addControl(BorderBC, "BorderBC", {3240, 690, 1335, 315}, &Frame3);
    addControl(Frame4, "Frame4", {120, 3705, 5565, 975});
    addControl(Label7, "Label7", {240, 300, 2895, 555}, &Frame4);
    addControl(IncPadding, "IncPadding", {3240, 360, 630, 315}, &Frame4);

    Frame1.setCaption("Background colors");
    Label3.setCaption("Question background color");
    Label4.setCaption("Answers background color");
    Frame2.setCaption("Width");
    Label1.setCaption("Voting form width (px)");
    Label2.setCaption("Results form width (px)");
    txtVW.setText("200");
    txtRW.setText("400");
    Frame3.setCaption("Border");
    Label5.setCaption("Border size (px)");
    Label6.setCaption("Border color");
    Frame4.setCaption("Cell padding");
    Label7.setCaption("Cell Padding (Control spacing between poll elements)");

    IncPadding.setValue("3");
    IncBorder.setValue("1");
    BorderBC.setColor("000000");
}

void ctlGeneral::FillFormDic() {
    common::StringDictionary& values = *poll().FormDic;
    values.set("vw", txtVW.text());
    values.set("rw", txtRW.text());
    values.set("rw2", txtVW.text());
    values.set("qbc", QBackC.Color());
    values.set("abc", ABackC.Color());
    values.set("bc", BorderBC.Color());
    values.set("bs", IncBorder.value());
    values.set("cp", IncPadding.value());
    values.set("wpic2", barWidthText(values.value("rw2")));
    values.set("wpic", barWidthText(values.value("rw")));
}

void ctlGeneral::FillAddinDic() {
    common::StringDictionary& attributes = *poll().AddinDic;
    attributes.set("vw", txtVW.text());
    attributes.set("rw", txtRW.text());
    attributes.set("qbc", QBackC.Color());
    attributes.set("abc", ABackC.Color());
    attributes.set("bc", BorderBC.Color());
    attributes.set("bs", IncBorder.value());
    attributes.set("cp", IncPadding.value());
}

std::string ctlGeneral::widthProblem(const std::string& text, const std::string& emptyMessage,
                                     const std::string& notNumberMessage,
                                     const std::string& outOfRangeMessage) {
    if (text.empty())
        return emptyMessage;
    if (!common::isNumeric(text))
        return notNumberMessage;
    if (!formWidthPixels(text))
        return outOfRangeMessage;
    return {};
}

bool ctlGeneral::Check() {
    const std::string range = " must be from 1 to " + std::to_string(kMaxFormWidth) + " pixels";
    std::string message;
    if (std::string problem =
            widthProblem(txtVW.text(), "Voting Form width is empty",
                         "Voing Form width must be a number", "Voting Form width" + range);
        !problem.empty())
        message = problem;
    if (std::string problem =
            widthProblem(txtRW.text(), "Result Form width is empty",
                         "Result Form width must be a number", "Result Form width" + range);
        !problem.empty())
        message = problem;
    if (QBackC.Color().empty())
        message = "Question Back color is empty";
    if (ABackC.Color().empty())
        message = "Answers Back color is empty";
    if (BorderBC.Color().empty())
        message = "Border color is empty";
    return reportCheck(message);
}

void ctlGeneral::FillFromPrevious() {
    const common::StringDictionary& attributes = *poll().AddinDic;
    if (attributes.exists("vw"))
        txtVW.setText(attributes.value("vw"));
    if (attributes.exists("rw"))
        txtRW.setText(attributes.value("rw"));
    if (attributes.exists("qbc"))
        QBackC.setColor(attributes.value("qbc"));
    if (attributes.exists("abc"))
        ABackC.setColor(attributes.value("abc"));
    if (attributes.exists("bc"))
        BorderBC.setColor(attributes.value("bc"));
    if (attributes.exists("bs"))
        if (auto size = storedWholeNumber(attributes.value("bs")))
            IncBorder.setValue(*size);
    if (attributes.exists("cp"))
        if (auto padding = storedWholeNumber(attributes.value("cp")))
            IncPadding.setValue(*padding);
}

}  // namespace norvel::poll
