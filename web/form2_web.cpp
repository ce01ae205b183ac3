// The statement window on the page, a dialog the page's script builds from the design table
// anew at each opening, bound to its presenter.
#include "ui/form2_presenter.h"
#include "ui/open_home_page.h"
#include "web/windows_web.h"

#include <emscripten/bind.h>

namespace qev::web {

namespace {

using emscripten::val;

class WebForm2 : public form2::View, public form2::Presenter {
public:
    // Made by the script, which shows it in `dialog` and deletes it once closed.
    explicit WebForm2(val dialog)
        : Presenter(static_cast<form2::View&>(*this)), dialog_(std::move(dialog)) {}
    ~WebForm2() override { form2::Closed(*this); }

private:
    void ShowRestoredInFront() override { dialog_.call<void>("showRestoredInFront"); }
    void Close() override {
        form2::Closed(*this);
        dialog_.call<void>("close");
    }
    void OpenHomePage() override { qev::OpenHomePage(0); }

    val dialog_;
};

} // namespace

void OpenStatementWindow(const val& page) {
    form2::Open([&]() -> form2::View* {
        return page.call<val>("statementWindow").as<WebForm2*>(emscripten::allow_raw_pointers());
    });
}

EMSCRIPTEN_BINDINGS(form2) {
    using namespace emscripten;
    using form2::Presenter;
    class_<Presenter>("Form2Presenter")
        .function("Command1_Click", &Presenter::Command1_Click)
        .function("Image1_Click", &Presenter::Image1_Click)
        .function("Label4_Click", &Presenter::Label4_Click);
    class_<WebForm2, base<Presenter>>("Form2").constructor<val>();
}

} // namespace qev::web
