#include "host/editor/host_save_batch.h"

#include "host/editor/editor_app.h"

namespace norvel::host {

HostSaveBatch::HostSaveBatch(EditorApp& app) : app_(app) {}

HostSaveBatch::~HostSaveBatch() {
    app_.saveBatchEnded(*this);
}

void HostSaveBatch::Commit() {
    files_.commit();
}

void HostSaveBatch::stage(const std::filesystem::path& file, std::string_view bytes) {
    files_.stage(file, bytes);
}

}  // namespace norvel::host
