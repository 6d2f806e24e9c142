-- Velorin's support database: the analysis tables a conversion fills, the
-- mapping of Access custom controls to Visual Basic controls, the delete
-- statements a conversion starts with, and the analysis reports.
PRAGMA user_version = 3;

-- One row per finding; rows are only ever added. AccessLine is the line of
-- the Access code (from 1, as tblCodeMap holds it) the finding is about; 0
-- for a finding about a form or a control.
CREATE TABLE tblReportOutput (
    ID             INTEGER PRIMARY KEY AUTOINCREMENT,
    ModuleName     TEXT    NOT NULL DEFAULT '',
    ReasonID       INTEGER NOT NULL DEFAULT 0,
    CodeLine       TEXT    NOT NULL DEFAULT '',
    LineNumber     INTEGER NOT NULL DEFAULT 0,
    TranslatedLine TEXT    NOT NULL DEFAULT '',
    Routine        TEXT    NOT NULL DEFAULT '',
    AccessLine     INTEGER NOT NULL DEFAULT 0
);

-- The code of each converted form and module, Access's beside Visual Basic's,
-- and which lines of the one became which lines of the other.
CREATE TABLE tblCodeMap (
    ModuleName TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, -- as tblStats names it: the file's stem
    ObjectName TEXT NOT NULL,  -- the Access form's or module's own name
    Kind       TEXT NOT NULL,  -- Form, Module or Class
    AccessCode TEXT NOT NULL,  -- the Access code as read, each line ending in CR LF
    VbCode     TEXT NOT NULL,  -- the code written after the file's header and design section
    -- One unit a line, "A N V M": Access lines A to A+N-1 (from 1) became
    -- written lines V to V+M-1 (from 1), in the written order. N = 0: code
    -- the conversion added, on its own when A = 0, because of line A
    -- otherwise; M = 0: an Access statement that left nothing.
    Units      TEXT NOT NULL,
    Preview    TEXT NOT NULL DEFAULT '' -- the form's picture, when one was drawn
);

-- One row per module or form; Access found rows by name without regard to case.
CREATE TABLE tblStats (
    ModuleName                TEXT    NOT NULL PRIMARY KEY COLLATE NOCASE,
    TotalLines                INTEGER NOT NULL DEFAULT 0,
    CommentLines              INTEGER NOT NULL DEFAULT 0,
    LinesNotTranslated        INTEGER NOT NULL DEFAULT 0,
    LinesPotentiallyConverted INTEGER NOT NULL DEFAULT 0,
    BlankLines                INTEGER NOT NULL DEFAULT 0,
    SubCount                  INTEGER NOT NULL DEFAULT 0,
    ProcCount                 INTEGER NOT NULL DEFAULT 0,
    CtlCount                  INTEGER NOT NULL DEFAULT 0,
    CtlsPartiallyConverted    INTEGER NOT NULL DEFAULT 0,
    CodeLines                 INTEGER NOT NULL DEFAULT 0
);

-- Access custom controls (by their Class) and the Visual Basic control that
-- stands in for each.
CREATE TABLE CustomControlMapping (
    AccessClassName TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,
    VBType          TEXT NOT NULL,
    ClassID         TEXT NOT NULL DEFAULT '',
    FileName        TEXT NOT NULL DEFAULT ''
);

-- Statements the program runs by name.
CREATE TABLE SavedStatements (
    Name      TEXT NOT NULL PRIMARY KEY,
    Statement TEXT NOT NULL
);

-- What each reason code means, for the reports.
CREATE TABLE tblReasons (
    ReasonID    INTEGER NOT NULL PRIMARY KEY,
    Description TEXT    NOT NULL
);

-- The analysis reports, in the order the report list shows them. Column
-- aliases of the query are the printed column headings. The first
-- GroupColumns columns head a group: printed once as a heading while their
-- values repeat. BarChart adds a chart with one bar per row: the last column
-- is its length, the other columns its label.
CREATE TABLE Reports (
    Position     INTEGER NOT NULL PRIMARY KEY,
    Name         TEXT    NOT NULL UNIQUE COLLATE NOCASE,
    Title        TEXT    NOT NULL,
    Query        TEXT    NOT NULL,
    GroupColumns INTEGER NOT NULL DEFAULT 0,
    BarChart     INTEGER NOT NULL DEFAULT 0
);

INSERT INTO SavedStatements VALUES
    ('qryRptOutputDel', 'DELETE FROM tblReportOutput'),
    ('qryStatsDel', 'DELETE FROM tblStats'),
    ('qryCodeMapDel', 'DELETE FROM tblCodeMap');

INSERT INTO tblReasons VALUES
    (1, 'Access feature that Visual Basic does not have'),
    (2, 'Application member or DoCmd action without a translation'),
    (3, 'Command button picture stored in the database; not carried over'),
    (4, 'Custom control or OLE object frame; converted only in part'),
    (5, 'DoCmd.CancelEvent turned into Cancel = True'),
    (6, 'DoCmd action whose arguments cannot be converted'),
    (7, 'Translated into equivalent Visual Basic; check it'),
    (8, 'List-filling callback constant'),
    (9, 'Reference to reports'),
    (10, 'Unbound object frame; left out of the form'),
    (11, 'Generated event procedure has the header of an existing procedure'),
    (12, 'Assignment to an event property'),
    (13, 'Call of a procedure, macro or form the application does not have'),
    (14, 'Characters that Windows-1252 cannot hold; each written as ?'),
    (15, 'Needs what the chosen Visual Basic version does not have');

-- Class identifiers with version as Object= lines name them.
INSERT INTO CustomControlMapping VALUES
    ('MSACAL.MSACALCtrl.7', 'MSACAL.Calendar', '{8E27C92E-1264-101C-8A2F-040224009C02}#7.0#0', 'MSCAL.OCX'),
    ('MSACAL.MSACALCtrl.8', 'MSACAL.Calendar', '{8E27C92E-1264-101C-8A2F-040224009C02}#7.0#0', 'MSCAL.OCX'),
    ('COMCTL.ProgCtrl.1', 'ComctlLib.ProgressBar', '{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0', 'COMCTL32.OCX'),
    ('COMCTL.TreeCtrl.1', 'ComctlLib.TreeView', '{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0', 'COMCTL32.OCX'),
    ('COMCTL.ListViewCtrl.1', 'ComctlLib.ListView', '{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0', 'COMCTL32.OCX'),
    ('COMCTL.SBarCtrl.1', 'ComctlLib.StatusBar', '{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0', 'COMCTL32.OCX'),
    ('COMCTL.TabStrip.1', 'ComctlLib.TabStrip', '{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0', 'COMCTL32.OCX'),
    ('COMCTL.Toolbar.1', 'ComctlLib.Toolbar', '{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0', 'COMCTL32.OCX'),
    ('COMCTL.ImageListCtrl.1', 'ComctlLib.ImageList', '{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0', 'COMCTL32.OCX'),
    ('COMCTL.Slider.1', 'ComctlLib.Slider', '{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0', 'COMCTL32.OCX'),
    ('ComCtl2.UpDown.1', 'ComCtl2.UpDown', '{FE0065C0-1B7B-11CF-9D53-00AA003C9CB6}#1.0#0', 'COMCT232.OCX'),
    ('ComCtl2.Animation.1', 'ComCtl2.Animation', '{FE0065C0-1B7B-11CF-9D53-00AA003C9CB6}#1.0#0', 'COMCT232.OCX'),
    ('MSComDlg.CommonDialog.1', 'MSComDlg.CommonDialog', '{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.1#0', 'COMDLG32.OCX'),
    ('MSCommLib.MSComm.1', 'MSCommLib.MSComm', '{648A5603-2C6E-101B-82B6-000000000014}#1.1#0', 'MSCOMM32.OCX'),
    ('RICHTEXT.RichtextCtrl.1', 'RichTextLib.RichTextBox', '{3B7C8863-D78F-101B-B9B5-04021C009402}#1.1#0', 'RICHTX32.OCX'),
    ('MSFlexGridLib.MSFlexGrid.1', 'MSFlexGridLib.MSFlexGrid', '{5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0', 'MSFLXGRD.OCX'),
    ('MSMask.MaskEdBox.1', 'MSMask.MaskEdBox', '{C932BA88-4374-101B-A56C-00AA003668DC}#1.1#0', 'MSMASK32.OCX'),
    ('TabDlg.SSTab.1', 'TabDlg.SSTab', '{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.1#0', 'TABCTL32.OCX'),
    ('MCI.MMControl.1', 'MCI.MMControl', '{C1A8AF28-1257-101B-8FB0-0020AF039CA3}#1.1#0', 'MCI32.OCX'),
    ('MSWinsock.Winsock.1', 'MSWinsockLib.Winsock', '{248DD890-BB45-11CF-9ABC-0080C7E7B78D}#1.0#0', 'MSWINSCK.OCX'),
    ('InetCtls.Inet.1', 'InetCtlsObjects.Inet', '{48E59290-9880-11CF-9754-00AA00C00908}#1.0#0', 'MSINET.OCX'),
    ('MSDBGrid.DBGrid', 'MSDBGrid.DBGrid', '{00028C01-0000-0000-0000-000000000046}#1.0#0', 'DBGRID32.OCX');

INSERT INTO Reports VALUES
    (1, 'rptConversionSummary', 'Conversion Summary',
     'SELECT ModuleName AS "Form or module", TotalLines AS "Total lines", CodeLines AS "Code lines", '
     || 'CommentLines AS "Comment lines", BlankLines AS "Blank lines", '
     || 'LinesNotTranslated AS "Not translated", LinesPotentiallyConverted AS "Converted with a note", '
     || 'SubCount AS "Subs", ProcCount AS "Functions", CtlCount AS "Controls", '
     || 'CtlsPartiallyConverted AS "Controls in part" FROM tblStats ORDER BY ModuleName', 0, 0),
    (2, 'rptFindingsByModule', 'Findings by Module',
     'SELECT o.ModuleName AS "Form or module", o.Routine, o.LineNumber AS "Line", o.ReasonID AS "Reason", '
     || 'o.CodeLine AS "Code line", o.TranslatedLine AS "Translated line" FROM tblReportOutput o '
     || 'ORDER BY o.ModuleName COLLATE NOCASE, o.ID', 1, 0),
    (3, 'rptFindingsByReasonCode', 'Findings Grouped by Reason',
     'SELECT r.ReasonID AS "Reason", r.Description, o.ModuleName AS "Form or module", o.Routine, '
     || 'o.LineNumber AS "Line", o.CodeLine AS "Code line", o.TranslatedLine AS "Translated line" '
     || 'FROM tblReportOutput o JOIN tblReasons r ON r.ReasonID = o.ReasonID '
     || 'ORDER BY r.ReasonID, o.ModuleName COLLATE NOCASE, o.ID', 2, 0),
    (4, 'rptLinesNotTranslated', 'Lines Not Translated',
     'SELECT o.ModuleName AS "Form or module", o.Routine, o.LineNumber AS "Line", o.CodeLine AS "Code line", '
     || 'r.Description AS "Reason" FROM tblReportOutput o '
     || 'JOIN tblReasons r ON r.ReasonID = o.ReasonID WHERE o.TranslatedLine = '''' '
     || 'AND o.ReasonID NOT IN (3, 4, 10, 14) ORDER BY o.ModuleName COLLATE NOCASE, o.ID', 1, 0),
    (5, 'rptLinesToReview', 'Translated Lines to Review',
     'SELECT o.ModuleName AS "Form or module", o.Routine, o.LineNumber AS "Line", o.CodeLine AS "Code line", '
     || 'o.TranslatedLine AS "Translated line", r.Description AS "Reason" '
     || 'FROM tblReportOutput o JOIN tblReasons r ON r.ReasonID = o.ReasonID '
     || 'WHERE o.TranslatedLine <> '''' ORDER BY o.ModuleName COLLATE NOCASE, o.ID', 1, 0),
    (6, 'rptControls', 'Controls Not Fully Converted',
     'SELECT o.ModuleName AS "Form", o.CodeLine AS "Control", r.Description AS "Reason" '
     || 'FROM tblReportOutput o JOIN tblReasons r ON r.ReasonID = o.ReasonID '
     || 'WHERE o.ReasonID IN (3, 4, 10) ORDER BY o.ModuleName COLLATE NOCASE, o.ID', 1, 0),
    (7, 'rptFindingsByReason', 'Findings by Reason',
     'SELECT r.ReasonID AS "Reason", r.Description, COUNT(*) AS "Findings" FROM tblReasons r '
     || 'JOIN tblReportOutput o ON o.ReasonID = r.ReasonID GROUP BY r.ReasonID ORDER BY r.ReasonID',
     0, 1);
