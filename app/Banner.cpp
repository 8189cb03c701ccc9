#include "app/Banner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/AppText.h"
#include "app/Branding.h"

namespace pixolyn {

namespace {
constexpr const char* kMailPrompt = "Vorschl\xE4ge oder Fragen, schicken Sie eine E-Mail an:";

QLabel* LinkLine(const QString& prompt, const QString& url, const QString& text, QWidget* parent) {
  auto* label = new QLabel(
      prompt + QStringLiteral(" <a href=\"%1\">%2</a>").arg(url, text.toHtmlEscaped()), parent);
  label->setTextFormat(Qt::RichText);
  label->setOpenExternalLinks(true);
  label->setToolTip(url);
  label->setToolTipDuration(5000);
  return label;
}
}  // namespace

TBanner::TBanner(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel4"));
  setFixedHeight(kHeight);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 8, 0);

  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("Logo"));
  logo->setPixmap(QPixmap(QStringLiteral(":/pixolyn/banner-logo.png"))
                      .scaled(kLogoWidth, kHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  logo->setFixedSize(kLogoWidth, kHeight);
  layout->addWidget(logo);

  auto* lines = new QVBoxLayout;
  lines->addStretch();
  auto* productOf = new QLabel(FromCp1252(branding::kProductOf), this);
  QFont bold = productOf->font();
  bold.setBold(true);
  productOf->setFont(bold);
  lines->addWidget(productOf);
  lines->addWidget(new QLabel(FromCp1252(branding::kTagline), this));
  if (*branding::kWebPage) {
    const QString page = FromCp1252(branding::kWebPage);
    lines->addWidget(LinkLine(QString(), page, page, this));
  }
  if (*branding::kMailAddress) {
    const QString address = FromCp1252(branding::kMailAddress);
    lines->addWidget(
        LinkLine(FromCp1252(kMailPrompt), QStringLiteral("mailto:") + address, address, this));
  }
  lines->addStretch();
  layout->addLayout(lines, 1);
}

}  // namespace pixolyn
