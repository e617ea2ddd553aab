#include "files/target_file.h"

#include "files/file_name_ending.h"
#include "files/npy_matrix.h"
#include "files/qasm_matrix.h"

namespace selvaris {

MatrixFileRead ReadTargetFile(const std::string& path) {
    if (EndsWithIgnoringCase(path, ".npy")) return ReadNpyFile(path);
    if (EndsWithIgnoringCase(path, ".qasm")) return ReadQasmFile(path);
    return ReadMatrixFile(path);
}

}  // namespace selvaris
