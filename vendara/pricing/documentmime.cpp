#include "documentmime.h"

#include "htmlwriter.h"
#include "rtfwriter.h"

namespace vendara {

std::unique_ptr<QMimeData> DocumentMime::create(const RichDocument &document)
{
    auto data = std::make_unique<QMimeData>();
    const QByteArray rtf = RtfWriter::write(document);
    data->setData(rtfType(), rtf);
    data->setData(rtfApplicationType(), rtf);
    data->setHtml(HtmlWriter::write(document));
    data->setText(document.plainText());
    return data;
}

} // namespace vendara
