#include "fuzz_targets.h"

const std::vector<TFuzzTarget>& Fuzz_Targets() {
    static const std::vector<TFuzzTarget> targets = {
        {"settings_file", Fuzz_Settings_File},
        {"language_file", Fuzz_Language_File},
        {"general_parameters_file", Fuzz_General_Parameters_File},
        {"compiler_par_gen", Fuzz_Compiler_ParGen},
        {"compiler_dali_access", Fuzz_Compiler_DALI_Access},
        {"compiler_dali2_access", Fuzz_Compiler_DALI2_Access},
        {"compiler_knx_setaccess", Fuzz_Compiler_KNX_SetAccess},
        {"updater_job_file", Fuzz_Updater_Job_File},
        {"xml_document", Fuzz_XML_Document},
        {"text_parsing", Fuzz_Text_Parsing},
        {"draw_markup_text", Fuzz_Draw_Markup_Text},
        {"markup_text", Fuzz_Markup_Text},
        {"control_tags", Fuzz_Control_Tags},
        {"gif_frame_walk", Fuzz_Gif_Frame_Walk},
        {"drop_payloads", Fuzz_Drop_Payloads},
        {"rtf_reader", Fuzz_Rtf_Reader},
        {"clipboard_text", Fuzz_Clipboard_Text},
        {"cell_block", Fuzz_Cell_Block},
        {"xml_quick_check", Fuzz_XML_Quick_Check},
        {"grid_csv", Fuzz_Grid_Csv},
        {"grid_fixed_width", Fuzz_Grid_Fixed_Width},
        {"grid_text_file", Fuzz_Grid_Text_File},
        {"grid_text_stream", Fuzz_Grid_Text_Stream},
        {"grid_cell_stream", Fuzz_Grid_Cell_Stream},
        {"grid_xml", Fuzz_Grid_XML},
        {"grid_column_states", Fuzz_Grid_Column_States},
        {"grid_visual_props", Fuzz_Grid_Visual_Props},
        {"grid_print_settings", Fuzz_Grid_Print_Settings},
        {"grid_xlsx", Fuzz_Grid_Xlsx},
        {"grid_docx", Fuzz_Grid_Docx},
    };
    return targets;
}
