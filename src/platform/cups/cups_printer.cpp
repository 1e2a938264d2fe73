#include "platform/cups/cups_printer.h"

#include <utility>

#ifndef VXCL_PPD_DIR
#define VXCL_PPD_DIR "share/ppd"
#endif

namespace vxcl::cups {

namespace {

std::string LastErrorText() {
  const char* text = cupsLastErrorString();
  return text && *text ? text : ippErrorString(cupsLastError());
}

}  // namespace

CupsPrinter::CupsPrinter(Connection http, Dest dest)
    : http_(std::move(http)), dest_(std::move(dest)), name_(DestName(*dest_)) {}

CupsPrinter::~CupsPrinter() {
  if (documentOpen_) {
    // A document left half-sent is broken off and its job cancelled.
    http_ = ConnectToScheduler();
    CancelJob();
  }
}

void CupsPrinter::Fail(std::string what) {
  reason_ = "CUPS queue \"" + name_ + "\": " + std::move(what);
}

const QueueMetrics* CupsPrinter::Metrics() {
  if (metrics_) return &*metrics_;
  if (!http_) return nullptr;
  DestInfo info(cupsCopyDestInfo(http_.get(), dest_.get()));
  if (!info) {
    Fail("the scheduler cannot describe it (" + LastErrorText() + ")");
    return nullptr;
  }
  const QueueAttributes attributes{
      [&](const char* option) {
        return cupsFindDestDefault(http_.get(), dest_.get(), info.get(),
                                   option);
      },
      [&](const char* option) {
        return cupsFindDestSupported(http_.get(), dest_.get(), info.get(),
                                     option);
      }};
  metrics_ = ReadQueueMetrics(attributes);
  return &*metrics_;
}

bool CupsPrinter::ReadDeviceMode(DeviceMode& mode) {
  const QueueMetrics* metrics = Metrics();
  if (!metrics) return false;
  const char* missing = !metrics->dotsPerInch    ? "no resolution"
                        : !metrics->largestPaper ? "no paper sizes"
                                                 : nullptr;
  if (missing) {
    Fail(std::string("it reports ") + missing +
         ", as a raw queue without a PPD does. Give it the vxclcmd PPD for "
         "the printer's width and resolution, for example: lpadmin -p " +
         dest_->name + " -P " VXCL_PPD_DIR "/sato-4in-203dpi.ppd");
    return false;
  }
  mode = DefaultDeviceMode(*metrics);
  return true;
}

std::optional<DeviceCaps> CupsPrinter::QueryDevice(const DeviceMode& mode) {
  const QueueMetrics* metrics = Metrics();
  if (!metrics || !metrics->dotsPerInch || !metrics->largestPaper)
    return std::nullopt;
  return PrintableArea(*metrics, mode);
}

std::string CupsPrinter::PrinterUri() const {
  if (const char* uri = cupsGetOption("printer-uri-supported",
                                      dest_->num_options, dest_->options))
    return uri;
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr,
                   "localhost", 0, "/printers/%s", dest_->name);
  return uri;
}

std::optional<int> CupsPrinter::QueuedJobCount() {
  if (!http_) return std::nullopt;
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               PrinterUri().c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD,
               "requested-attributes", nullptr, "queued-job-count");
  Ipp response(cupsDoRequest(http_.get(), request, "/"));  // frees request
  if (!response || LastRequestFailed()) {
    Fail("its jobs cannot be counted (" + LastErrorText() + ")");
    return std::nullopt;
  }
  ipp_attribute_t* count =
      ippFindAttribute(response.get(), "queued-job-count", IPP_TAG_INTEGER);
  return count ? ippGetInteger(count, 0) : 0;
}

bool CupsPrinter::StartDocument(std::string_view documentName) {
  if (!http_ || documentOpen_) return false;
  const std::string title(documentName);
  jobId_ = CreateJob(title);
  if (jobId_ <= 0) {
    jobId_ = 0;
    Fail("the scheduler refused the job (" + LastErrorText() + ")");
    return false;
  }
  if (cupsStartDocument(http_.get(), dest_->name, jobId_, title.c_str(),
                        CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE) {
    Fail("the scheduler refused the document (" + LastErrorText() + ")");
    CancelJob();
    return false;
  }
  documentOpen_ = true;
  writeFailed_ = false;
  return true;
}

bool CupsPrinter::Write(std::string_view bytes, std::size_t& written) {
  written = 0;
  if (!documentOpen_) return false;
  // A write of nothing would end the document's body early.
  if (bytes.empty()) return true;
  if (cupsWriteRequestData(http_.get(), bytes.data(), bytes.size()) !=
      HTTP_STATUS_CONTINUE) {
    writeFailed_ = true;
    Fail("sending the document failed (" + LastErrorText() + ")");
    return false;
  }
  written = bytes.size();
  return true;
}

bool CupsPrinter::EndDocument() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  if (writeFailed_) {
    // The request is broken off, so the scheduler drops the partial
    // document; the job itself is cancelled over a fresh connection.
    http_ = ConnectToScheduler();
    CancelJob();
    return true;
  }
  if (cupsFinishDocument(http_.get(), dest_->name) >
      IPP_STATUS_OK_EVENTS_COMPLETE) {
    Fail("the scheduler did not accept the document (" + LastErrorText() + ")");
    CancelJob();
    return false;
  }
  jobId_ = 0;
  return true;
}

// A Create-Job request of our own: libcups' cupsCreateJob first fetches
// the queue's whole description again, which costs milliseconds.
int CupsPrinter::CreateJob(const std::string& title) {
  ipp_t* request = ippNewRequest(IPP_OP_CREATE_JOB);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               PrinterUri().c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name",
               nullptr, cupsUser());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
               title.c_str());
  const std::string resource = std::string("/printers/") + dest_->name;
  Ipp response(cupsDoRequest(http_.get(), request, resource.c_str()));
  ipp_attribute_t* id =
      response && !LastRequestFailed()
          ? ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER)
          : nullptr;
  return id ? ippGetInteger(id, 0) : 0;
}

void CupsPrinter::CancelJob() {
  if (jobId_ > 0 && http_) cupsCancelJob2(http_.get(), dest_->name, jobId_, 0);
  jobId_ = 0;
}

}  // namespace vxcl::cups
