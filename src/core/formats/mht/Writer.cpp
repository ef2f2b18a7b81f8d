#include "core/formats/mht/Mht.h"

namespace orbisk::mht {

std::string Write(std::string_view subject, std::string_view htmlLocation, std::string_view html,
                  const std::vector<OutPart>& resources) {
    const std::string boundary =
        "----=_OrbiskPage_" + std::to_string(html.size()) + "_" + std::to_string(resources.size());
    std::string out;
    out += "From: <Saved by Orbisk>\r\n";
    out += "Subject: " + std::string(subject) + "\r\n";
    out += "MIME-Version: 1.0\r\n";
    out += "Content-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n\tboundary=\"" + boundary + "\"\r\n";
    out += "\r\nThis is a multi-part message in MIME format.\r\n\r\n";
    out += "--" + boundary + "\r\n";
    out += "Content-Type: text/html; charset=\"utf-8\"\r\n";
    out += "Content-Transfer-Encoding: quoted-printable\r\n";
    out += "Content-Location: " + std::string(htmlLocation) + "\r\n\r\n";
    out += EncodeQuotedPrintable(html);
    if (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0) {
        out += "\r\n";
    }
    for (const OutPart& part : resources) {
        out += "--" + boundary + "\r\n";
        out += "Content-Type: " + part.contentType + "\r\n";
        out += "Content-Transfer-Encoding: base64\r\n";
        if (!part.location.empty()) {
            out += "Content-Location: " + part.location + "\r\n";
        }
        if (!part.contentId.empty()) {
            out += "Content-ID: <" + part.contentId + ">\r\n";
        }
        out += "\r\n" + EncodeBase64(part.body) + "\r\n";
    }
    out += "--" + boundary + "--\r\n";
    return out;
}

} // namespace orbisk::mht
