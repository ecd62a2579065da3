<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>MERION</name>
    <message>
        <source>Wait Timeout</source>
        <translation>Wait Timeout</translation>
    </message>
    <message>
        <source>Connect Timeout!</source>
        <translation>Connect Timeout!</translation>
    </message>
    <message>
        <source>Open file failed!</source>
        <translation>Open file failed!</translation>
    </message>
    <message>
        <source>Can not Create a file dialog!</source>
        <translation>Cannot create a file dialog!</translation>
    </message>
    <message>
        <source>Download Interrupted! %1 bytes received.</source>
        <translation>Download Interrupted! %1 bytes received.</translation>
    </message>
    <message>
        <source>The received data holds no record.
The stored data is unchanged.</source>
        <translation>The received data holds no record.
The stored data is unchanged.</translation>
    </message>
    <message>
        <source>The received data is kept in
%1</source>
        <translation>The received data is kept in
%1</translation>
    </message>
    <message>
        <source>The received data could not be kept in %1: %2</source>
        <translation>The received data could not be kept in %1: %2</translation>
    </message>
    <message>
        <source>PT Name Can&apos;t Be Null!</source>
        <translation>The point name cannot be empty!</translation>
    </message>
    <message>
        <source>PT Name Already Exists,Please Rename!</source>
        <translation>This point name already exists. Please choose another!</translation>
    </message>
    <message>
        <source>Delete All Records?</source>
        <translation>Delete All Records?</translation>
    </message>
    <message>
        <source>Delete &lt;%1&gt; ?</source>
        <translation>Delete &lt;%1&gt;?</translation>
    </message>
    <message>
        <source>%1 Must Be A Number!</source>
        <translation>%1 must be a number!</translation>
    </message>
    <message>
        <source>点名</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>北坐标(N)</source>
        <translation>North (N)</translation>
    </message>
    <message>
        <source>东坐标(E)</source>
        <translation>East (E)</translation>
    </message>
    <message>
        <source>高程(Z)</source>
        <translation>Height (Z)</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>定线类型</source>
        <translation>Element Type</translation>
    </message>
    <message>
        <source>起始里程</source>
        <translation>Start Chainage</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Data Export Success!</source>
        <translation>Data Export Success!</translation>
    </message>
    <message>
        <source>Export Success!</source>
        <translation>Export Success!</translation>
    </message>
    <message>
        <source>Memory Full,Max Records is 2999!</source>
        <translation>Memory full: at most 2999 records!</translation>
    </message>
    <message>
        <source>Can not create a file path!</source>
        <translation>Cannot create the file path!</translation>
    </message>
    <message>
        <source>Can not select a file path!</source>
        <translation>Cannot select a file path!</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Success!</translation>
    </message>
    <message>
        <source>Export Data Success!</source>
        <translation>Export Data Success!</translation>
    </message>
    <message>
        <source>The file is not a text file (it holds binary data): nothing was imported, the old rows are kept.</source>
        <translation>The file is not a text file (it holds binary data): nothing was imported, the old rows are kept.</translation>
    </message>
    <message>
        <source>No line of the file gives a record: nothing was imported, the old rows are kept.</source>
        <translation>No line of the file gives a record: nothing was imported, the old rows are kept.</translation>
    </message>
    <message>
        <source>COM%1 doesn&apos;t exist or be
opened by another program!</source>
        <translation>COM%1 does not exist or is
open in another program!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t exist or be
opened by another program!</source>
        <translation>%1 does not exist or is
open in another program!</translation>
    </message>
    <message>
        <source>The serial port is busy with another transfer!</source>
        <translation>The serial port is busy with another transfer!</translation>
    </message>
    <message>
        <source>此系统的串口没有1.5位停止位：选择1.5时按2位停止位打开串口。</source>
        <translation>Serial ports on this system have no 1.5 stop bits: 1.5 opens the port with 2 stop bits.</translation>
    </message>
    <message>
        <source>没有可显示的点</source>
        <translation>No points to show</translation>
    </message>
    <message>
        <source>Unknown image type: use .png, .svg or .pdf</source>
        <translation>Unknown image type: use .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>Failed To Connect Database!<byte value="xd"/>
Error Message:%1</source>
        <translation>Cannot open the project database!<byte value="xd"/>
Error message: %1</translation>
    </message>
    <message>
        <source>The project database is read-only (%1): it can be shown and exported, but nothing can be changed.</source>
        <translation>The project database is read-only (%1): it can be shown and exported, but nothing can be changed.</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>its folder cannot be written</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>it lies on a read-only medium</source>
        <translation>it lies on a read-only medium</translation>
    </message>
    <message>
        <source>its disk is full</source>
        <translation>its disk is full</translation>
    </message>
    <message>
        <source>The disk holding the project database is full: nothing was changed. Free some space and try again.</source>
        <translation>The disk holding the project database is full: nothing was changed. Free some space and try again.</translation>
    </message>
    <message>
        <source>Upload Complete!</source>
        <translation>Upload Complete!</translation>
    </message>
    <message>
        <source>Upload Timeout!</source>
        <translation>Upload Timeout!</translation>
    </message>
    <message>
        <source>Upload Interrupted! %1 of %2 lines sent.</source>
        <translation>Upload Interrupted! %1 of %2 lines sent.</translation>
    </message>
    <message>
        <source>The point in row %1 has no name.
Nothing was uploaded.</source>
        <translation>The point in row %1 has no name.
Nothing was uploaded.</translation>
    </message>
    <message>
        <source>Point %1 has no %2.
Nothing was uploaded.</source>
        <translation>Point %1 has no %2.
Nothing was uploaded.</translation>
    </message>
    <message>
        <source>The alignment element in row %1 has no %2.
Nothing was uploaded.</source>
        <translation>The alignment element in row %1 has no %2.
Nothing was uploaded.</translation>
    </message>
    <message>
        <source>列表属性</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>类型标记</source>
        <translation>Record Type</translation>
    </message>
    <message>
        <source>里程</source>
        <translation>Chainage</translation>
    </message>
    <message>
        <source>桩间距</source>
        <translation>Stake Interval</translation>
    </message>
    <message>
        <source>桩点坐标X</source>
        <translation>Stake X</translation>
    </message>
    <message>
        <source>桩点坐标Y</source>
        <translation>Stake Y</translation>
    </message>
    <message>
        <source>桩点坐标Z</source>
        <translation>Stake Z</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高差</source>
        <translation>Height Diff.</translation>
    </message>
    <message>
        <source>N坐标</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E坐标</source>
        <translation>E</translation>
    </message>
    <message>
        <source>镜高</source>
        <translation>Target Height</translation>
    </message>
    <message>
        <source>方位角</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>平距差</source>
        <translation>HD Diff.</translation>
    </message>
    <message>
        <source>仪器高</source>
        <translation>Instr. Height</translation>
    </message>
    <message>
        <source>水平角</source>
        <translation>Horiz. Angle</translation>
    </message>
    <message>
        <source>垂直角</source>
        <translation>Vert. Angle</translation>
    </message>
    <message>
        <source>斜距</source>
        <translation>Slope Dist.</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>导出文件</source>
        <translation>Export a file</translation>
    </message>
    <message>
        <source>串口通讯</source>
        <translation>Serial Port</translation>
    </message>
    <message>
        <source>坐标编辑</source>
        <translation>Coordinate editing</translation>
    </message>
    <message>
        <source>编码编辑</source>
        <translation>Code editing</translation>
    </message>
    <message>
        <source>导入文件
导入文件</source>
        <translation>Import a file
Import a file</translation>
    </message>
    <message>
        <source>数据转换为SD卡格式保存</source>
        <translation>Save the points as SD card job files</translation>
    </message>
    <message>
        <source>平面定线</source>
        <translation>Plane alignment</translation>
    </message>
    <message>
        <source>串口数据下载</source>
        <translation>Download over the serial port</translation>
    </message>
    <message>
        <source>串口数据上传</source>
        <translation>Upload over the serial port</translation>
    </message>
    <message>
        <source>
左侧工具栏</source>
        <translation>
Left Toolbar</translation>
    </message>
    <message>
        <source>
工具栏</source>
        <translation>
Toolbar</translation>
    </message>
    <message>
        <source>
状态栏</source>
        <translation>
Status Bar</translation>
    </message>
    <message>
        <source>全站仪后处理软件</source>
        <translation>Total Station Post-Processing</translation>
    </message>
    <message>
        <source>Merion Application Already Running!</source>
        <translation>MERION is already running!</translation>
    </message>
    <message>
        <source>如需帮助，请按F1键</source>
        <translation>For Help, press F1</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>列表显示</source>
        <translation>List</translation>
    </message>
    <message>
        <source>找不到帮助文档 Help.pdf。
它应在程序所在的文件夹中，或在安装目录的 share/merion 中。</source>
        <translation>The user guide Help.pdf cannot be found.
It belongs in the program&apos;s folder, or in share/merion of the installation.</translation>
    </message>
    <message>
        <source>无法打开帮助文档：
%1
请安装 PDF 阅读器后再试。</source>
        <translation>The user guide cannot be opened:
%1
Install a PDF viewer and try again.</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>显示(&amp;S)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>主工具栏</source>
        <translation>Main Toolbar</translation>
    </message>
    <message>
        <source>主工具栏(&amp;T)</source>
        <translation>Main &amp;Toolbar</translation>
    </message>
    <message>
        <source>左侧工具栏(&amp;L)</source>
        <translation>&amp;Left Toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>读文件</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>列表导出</source>
        <translation>Export List</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>文件管理</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>数据编辑</source>
        <translation>Data Editing</translation>
    </message>
    <message>
        <source>输入文件</source>
        <translation>Input File</translation>
    </message>
    <message>
        <source>输出文件</source>
        <translation>Output File</translation>
    </message>
    <message>
        <source>输出SD卡文件</source>
        <translation>SD Card File</translation>
    </message>
    <message>
        <source>常规坐标</source>
        <translation>Point Coordinates</translation>
    </message>
    <message>
        <source>常规编码</source>
        <translation>Code Book</translation>
    </message>
    <message>
        <source>通讯设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>数据编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>串口通讯(&amp;C)</source>
        <translation>&amp;Communication</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>项目数据库文件</source>
        <translation>project database file</translation>
    </message>
    <message>
        <source>路径</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>界面语言：zh 为中文，en 为英文（默认随系统）</source>
        <translation>interface language: zh for Chinese, en for English (default: the system&apos;s)</translation>
    </message>
    <message>
        <source>未知的界面语言“%1”：请用 zh 或 en。</source>
        <translation>Unknown interface language &quot;%1&quot;: use zh or en.</translation>
    </message>
    <message>
        <source>选择您要读取的文件</source>
        <translation>Choose the file to read</translation>
    </message>
    <message>
        <source>输出文件到磁盘</source>
        <translation>Write a file to disk</translation>
    </message>
    <message>
        <source>保存为SD卡文件</source>
        <translation>Save as SD card files</translation>
    </message>
    <message>
        <source>用户自定义坐标输入</source>
        <translation>Enter coordinates</translation>
    </message>
    <message>
        <source>用户自定义编码输入</source>
        <translation>Enter codes</translation>
    </message>
    <message>
        <source>下载数据</source>
        <translation>Download Data</translation>
    </message>
    <message>
        <source>仪器类型:</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>下载类型:</source>
        <translation>Download type:</translation>
    </message>
    <message>
        <source>解析下载</source>
        <translation>Download and Parse</translation>
    </message>
    <message>
        <source>下载原始数据</source>
        <translation>Download Raw Data</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>注：数据下载时，请勿做其它操作!</source>
        <translation>Note: do nothing else while data is downloading!</translation>
    </message>
    <message>
        <source>Meas-Data</source>
        <translation>Meas-Data</translation>
    </message>
    <message>
        <source>Coor-Data</source>
        <translation>Coor-Data</translation>
    </message>
    <message>
        <source>Road Stake Out</source>
        <translation>Road Stake Out</translation>
    </message>
    <message>
        <source>X-Sect Measurement</source>
        <translation>X-Sect Measurement</translation>
    </message>
    <message>
        <source>Plane Alignment Element</source>
        <translation>Plane Alignment Element</translation>
    </message>
    <message>
        <source>Add Coor</source>
        <translation>Add Coordinates</translation>
    </message>
    <message>
        <source>Coor Edit</source>
        <translation>Edit Coordinates</translation>
    </message>
    <message>
        <source>Add Code</source>
        <translation>Add Code</translation>
    </message>
    <message>
        <source>Code Edit</source>
        <translation>Edit Code</translation>
    </message>
    <message>
        <source>道路测量-平面定线</source>
        <translation>Road Survey - Plane Alignment</translation>
    </message>
    <message>
        <source>(定线类型 : 0-直线,1-圆曲线,2-缓和曲线,3-终点)</source>
        <translation>(Element type: 0-straight, 1-circular curve, 2-transition curve, 3-end point)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>All  Files(*.*);;Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)</source>
        <translation>All Files (*.*);;Text Files (*.txt);;Data Files (*.dat);;Excel Files (*.csv)</translation>
    </message>
    <message>
        <source>数据类型(&amp;D):</source>
        <translation>&amp;Data type:</translation>
    </message>
    <message>
        <source>数据格式(&amp;F):</source>
        <translation>Data &amp;format:</translation>
    </message>
    <message>
        <source>(1) 坐标数据</source>
        <translation>(1) Coordinate data</translation>
    </message>
    <message>
        <source>(2) 代码数据</source>
        <translation>(2) Code data</translation>
    </message>
    <message>
        <source>(1) ID,Code </source>
        <translation>(1) ID,Code</translation>
    </message>
    <message>
        <source>(1) Meas_Data</source>
        <translation>(1) Measurements</translation>
    </message>
    <message>
        <source>(2) Coor_Data</source>
        <translation>(2) Coordinates</translation>
    </message>
    <message>
        <source>(3) Road Stake Out</source>
        <translation>(3) Road Stake Out</translation>
    </message>
    <message>
        <source>(4) X-Sect Measurement</source>
        <translation>(4) Cross-Section Measurement</translation>
    </message>
    <message>
        <source>(5) Plain Alignment Element</source>
        <translation>(5) Plane Alignment Element</translation>
    </message>
    <message>
        <source>Excel File(*.csv)</source>
        <translation>Excel File (*.csv)</translation>
    </message>
    <message>
        <source>Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)</source>
        <translation>Text Files (*.txt);;Data Files (*.dat);;Excel Files (*.csv)</translation>
    </message>
    <message>
        <source>DXF Files(*.dxf)</source>
        <translation>DXF Files (*.dxf)</translation>
    </message>
    <message>
        <source>Text File(*.txt);;DAT File(*.dat)</source>
        <translation>Text File (*.txt);;DAT File (*.dat)</translation>
    </message>
    <message>
        <source>分隔符号(&amp;S):</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>(1) &apos;,&apos;</source>
        <translation>(1) Comma</translation>
    </message>
    <message>
        <source>(2) &apos;Space&apos;</source>
        <translation>(2) Space</translation>
    </message>
    <message>
        <source>(3) &apos;Tab&apos;</source>
        <translation>(3) Tab</translation>
    </message>
    <message>
        <source>(0) Current List Data</source>
        <translation>(0) Current List Data</translation>
    </message>
    <message>
        <source>CSV File(*.csv);;Text File(*.txt);;DAT File(*.dat)</source>
        <translation>CSV File (*.csv);;Text File (*.txt);;DAT File (*.dat)</translation>
    </message>
    <message>
        <source>角度类型:</source>
        <translation>Angle format:</translation>
    </message>
    <message>
        <source>SD卡文件保存路径</source>
        <translation>SD Card File Location</translation>
    </message>
    <message>
        <source>文件夹路径:</source>
        <translation>Folder path:</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>文件夹名:</source>
        <translation>Folder name:</translation>
    </message>
    <message>
        <source>文件名:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Folder Path</translation>
    </message>
    <message>
        <source>通讯配置</source>
        <translation>Communication Settings</translation>
    </message>
    <message>
        <source>协议</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>串口号:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 bits</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>已接收 %1 字节，%2 行</source>
        <translation>Received %1 bytes, %2 lines</translation>
    </message>
    <message>
        <source>已发送 %1 / %2 行</source>
        <translation>Sent %1 of %2 lines</translation>
    </message>
    <message>
        <source>已发送 %1 / %2 行，约剩 %3 秒</source>
        <translation>Sent %1 of %2 lines, about %3 s left</translation>
    </message>
    <message>
        <source>平面图</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>全图</source>
        <translation>Fit All</translation>
    </message>
    <message>
        <source>显示全部点 (Home)</source>
        <translation>Show all points (Home)</translation>
    </message>
    <message>
        <source>显示点名（放大后显示更多）</source>
        <translation>Show point names (more as you zoom in)</translation>
    </message>
    <message>
        <source>点名后显示代码</source>
        <translation>Show the code after the point name</translation>
    </message>
    <message>
        <source>导出平面图...</source>
        <translation>Export Plan...</translation>
    </message>
    <message>
        <source>导出DXF...</source>
        <translation>Export DXF...</translation>
    </message>
    <message>
        <source>PNG 图像(*.png);;SVG 图形(*.svg);;PDF 文档(*.pdf)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>DXF 文件(*.dxf)</source>
        <translation>DXF files (*.dxf)</translation>
    </message>
    <message>
        <source>上传数据</source>
        <translation>Upload Data</translation>
    </message>
    <message>
        <source>上传类别:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>坐标数据</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Plane Alignment</source>
        <translation>Plane Alignment</translation>
    </message>
    <message>
        <source>列表编辑</source>
        <translation>Edit List</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除记录</source>
        <translation>Delete Record</translation>
    </message>
    <message>
        <source>删除所有</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>数据导出</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>740测量数据导出</source>
        <translation>740 Measurement Export</translation>
    </message>
    <message>
        <source>角度导出</source>
        <translation>Export Angles</translation>
    </message>
    <message>
        <source>平距导出</source>
        <translation>Export Horizontal Distances</translation>
    </message>
    <message>
        <source>斜距导出</source>
        <translation>Export Slope Distances</translation>
    </message>
    <message>
        <source>导出 PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE</source>
        <translation>Export PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE</translation>
    </message>
    <message>
        <source>导出 PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE</source>
        <translation>Export PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE</translation>
    </message>
    <message>
        <source>520测量数据导出</source>
        <translation>520 Measurement Export</translation>
    </message>
    <message numerus="yes">
        <source>%n 个点的坐标不是数字，未画出</source>
        <translation>
            <numerusform>%n point has coordinates that are not numbers and is not drawn</numerusform>
            <numerusform>%n points have coordinates that are not numbers and are not drawn</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1 of the file is longer than %2 bytes: it is no file of records. Nothing was imported, the old rows are kept.</source>
        <translation>Line %1 of the file is longer than %2 bytes: it is no file of records. Nothing was imported, the old rows are kept.</translation>
    </message>
    <message>
        <source>The latest changes of the project database lie in its journal file (-wal), which cannot be read here: %1. Nothing is shown rather than an older state.</source>
        <translation>The latest changes of the project database lie in its journal file (-wal), which cannot be read here: %1. Nothing is shown rather than an older state.</translation>
    </message>
    <message>
        <source>The project database %1 was deleted or replaced while in use: nothing more is written to it. Everything this program saw of the project, its last changes included, is saved as %2.</source>
        <translation>The project database %1 was deleted or replaced while in use: nothing more is written to it. Everything this program saw of the project, its last changes included, is saved as %2.</translation>
    </message>
    <message>
        <source>The project database %1 was deleted or replaced while in use: nothing more is written to it, and its contents could not be saved beside it: %2</source>
        <translation>The project database %1 was deleted or replaced while in use: nothing more is written to it, and its contents could not be saved beside it: %2</translation>
    </message>
    <message>
        <source>没有可平差的观测</source>
        <translation>There are no observations to adjust</translation>
    </message>
    <message>
        <source>平差网没有已知点</source>
        <translation>The network has no fixed point</translation>
    </message>
    <message>
        <source>平差网没有固定方位：至少需要两个已知点</source>
        <translation>The network has no fixed orientation: it needs two known points</translation>
    </message>
    <message>
        <source>高程网没有已知高程</source>
        <translation>The height network has no fixed height</translation>
    </message>
    <message>
        <source>%1（点 %2 所在的部分）</source>
        <translation>%1 (the part with point %2)</translation>
    </message>
    <message>
        <source>点 %1 无法由观测确定</source>
        <translation>Point %1 is not determined by the observations</translation>
    </message>
    <message>
        <source>点 %1 的高程无法由观测确定</source>
        <translation>The height of point %1 is not determined by the observations</translation>
    </message>
    <message>
        <source>测站 %1 的定向无法由观测确定</source>
        <translation>The orientation of the setup at %1 is not determined by the observations</translation>
    </message>
    <message>
        <source>点 %1 无法计算近似坐标：需要已知测站的方向和距离</source>
        <translation>Point %1 has no approximate coordinates: it needs a direction and a distance from a known station</translation>
    </message>
    <message numerus="yes">
        <source>平差迭代 %n 次后仍未收敛</source>
        <translation>
            <numerusform>The adjustment did not converge in %n iteration</numerusform>
            <numerusform>The adjustment did not converge in %n iterations</numerusform>
        </translation>
    </message>
    <message>
        <source>作业中没有测站 %1</source>
        <translation>The job has no setup at station %1</translation>
    </message>
    <message>
        <source>自由设站 %1 至少需要观测两个已知点</source>
        <translation>The free station %1 needs observations of at least two known points</translation>
    </message>
    <message>
        <source>导线至少需要两个已知点和一个后续测站（A,B,S1,…）</source>
        <translation>A traverse needs two known points and at least one station after them (A,B,S1,…)</translation>
    </message>
    <message>
        <source>%1 不是已知点</source>
        <translation>%1 is not a known point</translation>
    </message>
    <message>
        <source>测站 %1 没有同时照准 %2 和 %3 的设站</source>
        <translation>No setup at station %1 points at both %2 and %3</translation>
    </message>
    <message>
        <source>%1 与 %2 之间没有测距</source>
        <translation>No distance was measured between %1 and %2</translation>
    </message>
    <message>
        <source>作业中没有测站</source>
        <translation>The job holds no station</translation>
    </message>
    <message>
        <source>没有名为 %1 的导线等级</source>
        <translation>There is no traverse grade named %1</translation>
    </message>
    <message>
        <source>测站</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>dN(mm)</source>
        <translation>dN(mm)</translation>
    </message>
    <message>
        <source>dE(mm)</source>
        <translation>dE(mm)</translation>
    </message>
    <message>
        <source>dZ(mm)</source>
        <translation>dZ(mm)</translation>
    </message>
    <message>
        <source>重算坐标</source>
        <translation>Recomputed points</translation>
    </message>
    <message>
        <source>导线计算</source>
        <translation>Traverse computation</translation>
    </message>
    <message>
        <source>已知点</source>
        <translation>Known points</translation>
    </message>
    <message>
        <source>作业中的测站和后视坐标</source>
        <translation>the job&apos;s station and backsight coordinates</translation>
    </message>
    <message>
        <source>坐标列表</source>
        <translation>the coordinate list</translation>
    </message>
    <message>
        <source>坐标文件（点名,N,E,Z,代码）</source>
        <translation>a coordinate file (PT,N,E,Z,CODE)</translation>
    </message>
    <message>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>坐标文件 (*.txt *.csv *.dat);;所有文件 (*.*)</source>
        <translation>Coordinate files (*.txt *.csv *.dat);;All files (*.*)</translation>
    </message>
    <message>
        <source>球气差改正，折光系数 k</source>
        <translation>Curvature and refraction, coefficient k</translation>
    </message>
    <message>
        <source>投影比例因子</source>
        <translation>Projection scale factor</translation>
    </message>
    <message>
        <source>较差限值(mm)</source>
        <translation>Tolerance (mm)</translation>
    </message>
    <message>
        <source>可选点（测站与已知点）</source>
        <translation>Points to choose from (stations and known points)</translation>
    </message>
    <message>
        <source>导线路线：A, B, S1 … Sn, C, D（闭合：A, B, … , B, A）</source>
        <translation>Route: A, B, S1 … Sn, C, D (closed: A, B, …, B, A)</translation>
    </message>
    <message>
        <source>添加 →</source>
        <translation>Add →</translation>
    </message>
    <message>
        <source>← 移除</source>
        <translation>← Remove</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>（已知）</source>
        <translation> (known)</translation>
    </message>
    <message>
        <source>等级</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>满足的最高等级</source>
        <translation>the best grade met</translation>
    </message>
    <message>
        <source>保存报告...</source>
        <translation>Save report...</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf);;文本文件 (*.txt)</source>
        <translation>PDF files (*.pdf);;Text files (*.txt)</translation>
    </message>
    <message>
        <source>用重算坐标替换坐标列表中的全部点吗？</source>
        <translation>Replace every point of the coordinate list with the recomputed points?</translation>
    </message>
    <message>
        <source>计算(&amp;M)</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>盘左盘右</source>
        <translation>Both faces</translation>
    </message>
    <message>
        <source>重算结果</source>
        <translation>Recomputed list</translation>
    </message>
    <message>
        <source>重算结果复制到坐标列表</source>
        <translation>Copy recomputed points to the coordinate list</translation>
    </message>
    <message>
        <source>由设站重算作业中的每个观测点</source>
        <translation>Recomputes every observed point of the job from its setup</translation>
    </message>
    <message>
        <source>配对盘左盘右观测，计算 2C 和指标差</source>
        <translation>Pairs both-face pointings and computes 2C and index error</translation>
    </message>
    <message>
        <source>计算并平差导线</source>
        <translation>Computes and adjusts a traverse</translation>
    </message>
    <message>
        <source>显示重算坐标</source>
        <translation>Shows the recomputed points</translation>
    </message>
    <message>
        <source>用重算坐标替换坐标列表，以便导出、存SD卡和上传</source>
        <translation>Replaces the coordinate list with the recomputed points, for export, the SD card and upload</translation>
    </message>
    <message>
        <source>改正测站、后视后重算坐标</source>
        <translation>Recompute points after correcting stations and backsights</translation>
    </message>
    <message>
        <source>检查盘左盘右观测</source>
        <translation>Check both-face observations</translation>
    </message>
    <message>
        <source>附合、闭合和支导线</source>
        <translation>Attached, closed and open traverses</translation>
    </message>
    <message>
        <source>列表和平面图显示重算坐标</source>
        <translation>Show the recomputed points in the list and the plan</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>超限</source>
        <translation>beyond limit</translation>
    </message>
    <message>
        <source>计算时间</source>
        <translation>Computed</translation>
    </message>
    <message>
        <source>导线类型</source>
        <translation>Traverse type</translation>
    </message>
    <message>
        <source>附合导线</source>
        <translation>attached traverse</translation>
    </message>
    <message>
        <source>闭合导线</source>
        <translation>closed traverse</translation>
    </message>
    <message>
        <source>支导线（无检核）</source>
        <translation>open traverse (unchecked)</translation>
    </message>
    <message>
        <source>路线</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>已知数据</source>
        <translation>Known data</translation>
    </message>
    <message>
        <source>起始方位角</source>
        <translation>Starting azimuth</translation>
    </message>
    <message>
        <source>终边方位角</source>
        <translation>Closing azimuth</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angles</translation>
    </message>
    <message>
        <source>后视</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>前视</source>
        <translation>Ahead</translation>
    </message>
    <message>
        <source>观测角</source>
        <translation>Observed angle</translation>
    </message>
    <message>
        <source>盘位</source>
        <translation>Faces</translation>
    </message>
    <message>
        <source>改正数(″)</source>
        <translation>Correction (″)</translation>
    </message>
    <message>
        <source>改正后角值</source>
        <translation>Adjusted angle</translation>
    </message>
    <message>
        <source>边长与坐标增量</source>
        <translation>Distances and coordinate increments</translation>
    </message>
    <message>
        <source>起点</source>
        <translation>From</translation>
    </message>
    <message>
        <source>终点</source>
        <translation>To</translation>
    </message>
    <message>
        <source>往测平距</source>
        <translation>Forward HD</translation>
    </message>
    <message>
        <source>返测平距</source>
        <translation>Back HD</translation>
    </message>
    <message>
        <source>平均边长</source>
        <translation>Mean distance</translation>
    </message>
    <message>
        <source>平差后坐标</source>
        <translation>Adjusted coordinates</translation>
    </message>
    <message>
        <source>闭合差与精度</source>
        <translation>Misclosures and precision</translation>
    </message>
    <message>
        <source>角度闭合差 fβ</source>
        <translation>Angular misclosure fβ</translation>
    </message>
    <message>
        <source>测角个数 n</source>
        <translation>Number of angles n</translation>
    </message>
    <message>
        <source>坐标闭合差</source>
        <translation>Coordinate misclosure</translation>
    </message>
    <message>
        <source>导线全长 ΣD</source>
        <translation>Traverse length ΣD</translation>
    </message>
    <message>
        <source>全长相对闭合差 K</source>
        <translation>Relative misclosure K</translation>
    </message>
    <message>
        <source>限差</source>
        <translation>limit</translation>
    </message>
    <message>
        <source>支导线没有检核条件，结果未经检核</source>
        <translation>an open traverse has no check: the results are unchecked</translation>
    </message>
    <message>
        <source>已知</source>
        <translation>known</translation>
    </message>
    <message>
        <source>满足等级</source>
        <translation>Grade met</translation>
    </message>
    <message>
        <source>大气折光系数 k</source>
        <translation>Refraction coefficient k</translation>
    </message>
    <message>
        <source>不改正球气差</source>
        <translation>no curvature and refraction</translation>
    </message>
    <message>
        <source>测站与定向</source>
        <translation>Stations and orientation</translation>
    </message>
    <message>
        <source>定向改正 ω</source>
        <translation>Orientation correction ω</translation>
    </message>
    <message>
        <source>后视方位角</source>
        <translation>Backsight azimuth</translation>
    </message>
    <message>
        <source>设置方位角</source>
        <translation>Azimuth set</translation>
    </message>
    <message>
        <source>后视距离(坐标)</source>
        <translation>Backsight distance (coordinates)</translation>
    </message>
    <message>
        <source>后视距离(记录)</source>
        <translation>Backsight distance (recorded)</translation>
    </message>
    <message>
        <source>已改正</source>
        <translation>corrected</translation>
    </message>
    <message>
        <source>无测站坐标</source>
        <translation>no station coordinates</translation>
    </message>
    <message>
        <source>重算点</source>
        <translation>Recomputed points</translation>
    </message>
    <message>
        <source>重算点数</source>
        <translation>Points recomputed</translation>
    </message>
    <message>
        <source>超限点数</source>
        <translation>Points beyond tolerance</translation>
    </message>
    <message>
        <source>2C 互差限值(″)</source>
        <translation>2C spread limit (″)</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>盘左水平角</source>
        <translation>HA face left</translation>
    </message>
    <message>
        <source>盘右水平角</source>
        <translation>HA face right</translation>
    </message>
    <message>
        <source>平均方向</source>
        <translation>Mean direction</translation>
    </message>
    <message>
        <source>平均天顶距</source>
        <translation>Mean zenith angle</translation>
    </message>
    <message>
        <source>指标差(″)</source>
        <translation>Index error (″)</translation>
    </message>
    <message>
        <source>2C 互差</source>
        <translation>2C spread</translation>
    </message>
    <message>
        <source>%1 Can&apos;t Be Null!</source>
        <translation>%1 cannot be empty!</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not in the list: nothing was changed.</source>
        <translation>&lt;%1&gt; is not in the list: nothing was changed.</translation>
    </message>
    <message>
        <source>The file could not be written: the file that was there is kept.</source>
        <translation>The file could not be written: the file that was there is kept.</translation>
    </message>
    <message>
        <source>The file could not be written (%1): the file that was there is kept.</source>
        <translation>The file could not be written (%1): the file that was there is kept.</translation>
    </message>
    <message>
        <source>%1 is the project database or one of its own files: it was neither read nor written. Choose another file.</source>
        <translation>%1 is the project database or one of its own files: it was neither read nor written. Choose another file.</translation>
    </message>
    <message>
        <source>The file name %1 holds characters the file system&apos;s encoding cannot give: nothing was read or written. Rename the file or folder.</source>
        <translation>The file name %1 holds characters the file system&apos;s encoding cannot give: nothing was read or written. Rename the file or folder.</translation>
    </message>
    <message>
        <source>The folder name %1 must be a plain name, without / or \ and not &quot;.&quot; or &quot;..&quot;: nothing was written.</source>
        <translation>The folder name %1 must be a plain name, without / or \ and not &quot;.&quot; or &quot;..&quot;: nothing was written.</translation>
    </message>
    <message>
        <source>Row %1 cannot be written in this format: its field &quot;%2&quot; holds a line break or the separator. Nothing was written; a .csv file keeps such fields.</source>
        <translation>Row %1 cannot be written in this format: its field &quot;%2&quot; holds a line break or the separator. Nothing was written; a .csv file keeps such fields.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial port!</source>
        <translation>%1 is a folder, not a serial port!</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial port!</source>
        <translation>%1 is a regular file, not a serial port!</translation>
    </message>
    <message>
        <source>%1 is a device but not a serial port!</source>
        <translation>%1 is a device but not a serial port!</translation>
    </message>
    <message>
        <source>The project database %1 lacks the column %2: it was not made by this program or has been changed. It was not opened.</source>
        <translation>The project database %1 lacks the column %2: it was not made by this program or has been changed. It was not opened.</translation>
    </message>
    <message>
        <source>项目尚未设置坐标系统：请先设置项目的坐标系统。</source>
        <translation>The project has no coordinate system: set the project&apos;s coordinate system first.</translation>
    </message>
    <message>
        <source>未知的坐标系统：%1</source>
        <translation>Unknown coordinate system: %1</translation>
    </message>
    <message>
        <source>坐标转换失败：%1</source>
        <translation>The coordinates could not be transformed: %1</translation>
    </message>
    <message>
        <source>点 %1 无法转换到目标坐标系统，点列表未改变</source>
        <translation>Point %1 cannot be transformed into the target system: the point list is unchanged</translation>
    </message>
    <message numerus="yes">
        <source>%n 个点的坐标不是数字，未转换</source>
        <translation>
            <numerusform>%n point has coordinates that are not numbers and is not transformed</numerusform>
            <numerusform>%n points have coordinates that are not numbers and are not transformed</numerusform>
        </translation>
    </message>
    <message>
        <source>公共点不足：这种参数转换至少需要 %1 个公共点</source>
        <translation>Too few common points: this transformation needs at least %1</translation>
    </message>
    <message>
        <source>比例因子和子午线收敛角只对投影坐标系统有意义</source>
        <translation>Scale factor and meridian convergence exist only in a projected coordinate system</translation>
    </message>
    <message>
        <source>公共点的分布无法确定全部参数（点重合或共线）</source>
        <translation>The common points cannot fix every parameter (they coincide or lie on one line)</translation>
    </message>
    <message>
        <source>公共点文件第 %1 行应为 点名,N1,E1,Z1,N2,E2,Z2</source>
        <translation>Line %1 of the common-point file should read PT,N1,E1,Z1,N2,E2,Z2</translation>
    </message>
    <message>
        <source>The list %1 could not be copied to %2 before being emptied (%3): nothing was changed.</source>
        <translation>The list %1 could not be copied to %2 before being emptied (%3): nothing was changed.</translation>
    </message>
    <message>
        <source>%1中有手工输入或修改的数据，自上次导出或上传以来尚未保存。
退出将清空该列表（副本存入数据库旁的 discarded 文件夹）。
是否先导出？</source>
        <translation>The %1 holds data typed or changed by hand that has not been exported or uploaded since.
Exiting empties the list (a copy goes to the folder discarded beside the database).
Export it first?</translation>
    </message>
    <message>
        <source>编码列表</source>
        <translation>code list</translation>
    </message>
    <message>
        <source>平面线形列表</source>
        <translation>alignment list</translation>
    </message>
    <message>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>仍然退出</source>
        <translation>Exit anyway</translation>
    </message>
    <message>
        <source>最小二乘平差</source>
        <translation>Least-squares adjustment</translation>
    </message>
    <message>
        <source>平差网</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>测站数</source>
        <translation>Setups</translation>
    </message>
    <message>
        <source>方向观测数</source>
        <translation>Direction observations</translation>
    </message>
    <message>
        <source>距离观测数</source>
        <translation>Distance observations</translation>
    </message>
    <message>
        <source>高差观测数</source>
        <translation>Height-difference observations</translation>
    </message>
    <message>
        <source>先验精度</source>
        <translation>A priori precision</translation>
    </message>
    <message>
        <source>方向 %1″，测距 %2 mm + %3 ppm，对中 %4 mm，仪器高与目标高 %5 mm</source>
        <translation>direction %1″, distance %2 mm + %3 ppm, centring %4 mm, instrument and target heights %5 mm</translation>
    </message>
    <message>
        <source>未知数个数</source>
        <translation>Unknowns</translation>
    </message>
    <message>
        <source>迭代次数</source>
        <translation>Iterations</translation>
    </message>
    <message numerus="yes">
        <source>%n 次（直至坐标改正数均小于 0.1 mm）</source>
        <translation>
            <numerusform>%n (until every coordinate correction is below 0.1 mm)</numerusform>
            <numerusform>%n (until every coordinate correction is below 0.1 mm)</numerusform>
        </translation>
    </message>
    <message>
        <source>仅有一个观测、未参与平差的点</source>
        <translation>Points with a single observation, left out of the adjustment</translation>
    </message>
    <message>
        <source>平差坐标与精度</source>
        <translation>Adjusted coordinates and precision</translation>
    </message>
    <message>
        <source>中误差与标准误差椭圆按先验单位权中误差 σ0 = 1 计算，单位 mm</source>
        <translation>Standard deviations and standard error ellipses computed with the a priori σ0 = 1, in mm</translation>
    </message>
    <message>
        <source>长轴方位角</source>
        <translation>Major axis azimuth</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>固定</source>
        <translation>fixed</translation>
    </message>
    <message>
        <source>加权</source>
        <translation>weighted</translation>
    </message>
    <message>
        <source>待定</source>
        <translation>free</translation>
    </message>
    <message>
        <source>测站定向角</source>
        <translation>Setup orientations</translation>
    </message>
    <message>
        <source>定向角</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>观测值残差</source>
        <translation>Residuals</translation>
    </message>
    <message>
        <source>v = 平差值 − 观测值；r 多余观测分量；w 标准化残差</source>
        <translation>v = adjusted − observed; r redundancy number; w standardized residual</translation>
    </message>
    <message>
        <source>照准点</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>观测类型</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>direction</translation>
    </message>
    <message>
        <source>距离</source>
        <translation>distance</translation>
    </message>
    <message>
        <source>观测值</source>
        <translation>Observed</translation>
    </message>
    <message>
        <source>平差值</source>
        <translation>Adjusted</translation>
    </message>
    <message>
        <source>统计检验</source>
        <translation>Statistical tests</translation>
    </message>
    <message>
        <source>自由度</source>
        <translation>Degrees of freedom</translation>
    </message>
    <message>
        <source>验后单位权中误差 σ0</source>
        <translation>A posteriori σ0</translation>
    </message>
    <message>
        <source>无多余观测，无法计算与检验</source>
        <translation>no redundancy: nothing to estimate or test</translation>
    </message>
    <message>
        <source>χ² 检验（95%，双侧）</source>
        <translation>χ² test (95 %, two-sided)</translation>
    </message>
    <message>
        <source>最大标准化残差（数据探测）</source>
        <translation>Largest standardized residual (data snooping)</translation>
    </message>
    <message>
        <source>%1，%2（临界值 %3）</source>
        <translation>%1, %2 (critical value %3)</translation>
    </message>
    <message>
        <source>可能含粗差：剔除该观测后重新平差</source>
        <translation>likely blunder: adjust again without this observation</translation>
    </message>
    <message>
        <source>高程平差（三角高程，单独平差）</source>
        <translation>Height adjustment (trigonometric heights, adjusted separately)</translation>
    </message>
    <message>
        <source>高差残差</source>
        <translation>Height-difference residuals</translation>
    </message>
    <message>
        <source>高程统计检验</source>
        <translation>Height statistical tests</translation>
    </message>
    <message>
        <source>The database driver carries a copy of SQLite of its own: the project is not touched, since two copies of the engine would undo each other&apos;s locks. Install the driver built against the program&apos;s SQLite library.</source>
        <translation>The database driver carries a copy of SQLite of its own: the project is not touched, since two copies of the engine would undo each other&apos;s locks. Install the driver built against the program&apos;s SQLite library.</translation>
    </message>
    <message>
        <source>导线等级需要名称</source>
        <translation>A traverse grade needs a name</translation>
    </message>
    <message>
        <source>导线等级 %1 出现了两次</source>
        <translation>The traverse grade %1 appears twice</translation>
    </message>
    <message>
        <source>导线等级 %1：角度闭合差和相对闭合差的限值须大于 0，测站数和长度不能为负（0 表示不限）</source>
        <translation>Traverse grade %1: the limits of the angular and relative misclosures must be above 0, the stations and the length must not be negative (0: no limit)</translation>
    </message>
    <message>
        <source>导线等级</source>
        <translation>Traverse Grades</translation>
    </message>
    <message>
        <source>等级名称</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>最多测站数（0 不限）</source>
        <translation>Most stations (0: no limit)</translation>
    </message>
    <message>
        <source>角度闭合差限差（″/√n）</source>
        <translation>Angular misclosure limit (″/√n)</translation>
    </message>
    <message>
        <source>相对闭合差限差 1/N 的 N</source>
        <translation>N of the relative misclosure limit 1/N</translation>
    </message>
    <message>
        <source>导线全长（km，0 不限）</source>
        <translation>Longest traverse (km, 0: no limit)</translation>
    </message>
    <message>
        <source>添加等级</source>
        <translation>Add Grade</translation>
    </message>
    <message>
        <source>删除等级</source>
        <translation>Remove Grade</translation>
    </message>
    <message>
        <source>仪器高与目标高（改正后的值用于计算）</source>
        <translation>Instrument and target heights (the corrected values are used)</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>记录值(m)</source>
        <translation>Recorded (m)</translation>
    </message>
    <message>
        <source>改正后(m)</source>
        <translation>Corrected (m)</translation>
    </message>
    <message>
        <source>目标高</source>
        <translation>Target height</translation>
    </message>
    <message>
        <source>查看和修改导线等级的限差</source>
        <translation>See and change the limits of the traverse grades</translation>
    </message>
    <message>
        <source>误差椭圆（1σ）与残差向量放大 %1 倍</source>
        <translation>Error ellipses (1σ) and residual vectors enlarged %1 times</translation>
    </message>
    <message>
        <source>σN(mm)</source>
        <translation>σN(mm)</translation>
    </message>
    <message>
        <source>σE(mm)</source>
        <translation>σE(mm)</translation>
    </message>
    <message>
        <source>椭圆长半轴A(mm)</source>
        <translation>Semi-major axis A(mm)</translation>
    </message>
    <message>
        <source>椭圆短半轴B(mm)</source>
        <translation>Semi-minor axis B(mm)</translation>
    </message>
    <message>
        <source>长轴方位角(°)</source>
        <translation>Major axis azimuth(°)</translation>
    </message>
    <message>
        <source>σZ(mm)</source>
        <translation>σZ(mm)</translation>
    </message>
    <message>
        <source>平差计算</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <source>自由设站</source>
        <translation>Free station</translation>
    </message>
    <message>
        <source>方向中误差(″)</source>
        <translation>Direction σ(″)</translation>
    </message>
    <message>
        <source>测距中误差 a(mm) + b(ppm)</source>
        <translation>Distance σ a(mm) + b(ppm)</translation>
    </message>
    <message>
        <source>同时平差高程（三角高程）</source>
        <translation>Adjust the heights too (trigonometric heights)</translation>
    </message>
    <message>
        <source>用平差坐标替换坐标列表中的全部点吗？</source>
        <translation>Replace every point of the coordinate list with the adjusted points?</translation>
    </message>
    <message>
        <source>最大标准化残差 w = %1（%2）超过临界值 %3，该观测可能含粗差。
剔除该观测后重新平差吗？</source>
        <translation>The largest standardized residual w = %1 (%2) exceeds the critical value %3: that observation is likely a blunder.
Adjust again without it?</translation>
    </message>
    <message>
        <source>平差结果</source>
        <translation>Adjusted points</translation>
    </message>
    <message>
        <source>平差结果复制到坐标列表</source>
        <translation>Copy adjusted points to the coordinate list</translation>
    </message>
    <message>
        <source>整个作业的最小二乘平差：坐标、中误差、误差椭圆和粗差探测</source>
        <translation>Least-squares adjustment of the whole job: coordinates, standard deviations, error ellipses and blunder detection</translation>
    </message>
    <message>
        <source>由已知点的方向和距离求测站坐标</source>
        <translation>Computes the station from directions and distances to known points</translation>
    </message>
    <message>
        <source>显示平差坐标</source>
        <translation>Shows the adjusted points</translation>
    </message>
    <message>
        <source>用平差坐标替换坐标列表，以便导出、存SD卡和上传</source>
        <translation>Replaces the coordinate list with the adjusted points, for export, the SD card and upload</translation>
    </message>
    <message>
        <source>方向、距离和高差的严密平差</source>
        <translation>Rigorous adjustment of directions, distances and height differences</translation>
    </message>
    <message>
        <source>后方交会求测站坐标</source>
        <translation>Resection of the station</translation>
    </message>
    <message>
        <source>列表和平面图显示平差坐标与误差椭圆</source>
        <translation>Lists and plots the adjusted points with their error ellipses</translation>
    </message>
    <message>
        <source>关于 MERION</source>
        <translation>About MERION</translation>
    </message>
    <message>
        <source>版权所有 © 2026 MERION 开发者。保留所有权利。</source>
        <translation>Copyright © 2026 the MERION developers. All rights reserved.</translation>
    </message>
    <message>
        <source>运行于 Qt %1 和 %2</source>
        <translation>Running on Qt %1 and %2</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>用户指南</source>
        <translation>User Guide</translation>
    </message>
    <message>
        <source>打开用户指南</source>
        <translation>Opens the user guide</translation>
    </message>
    <message>
        <source>显示程序的版本、许可和所用的库</source>
        <translation>Shows the program&apos;s version, licence and the libraries it uses</translation>
    </message>
    <message numerus="yes">
        <source>共 %1 行</source>
        <translation>
            <numerusform>%1 row</numerusform>
            <numerusform>%1 rows</numerusform>
        </translation>
    </message>
    <message>
        <source>vN(mm)</source>
        <translation>vN(mm)</translation>
    </message>
    <message>
        <source>vE(mm)</source>
        <translation>vE(mm)</translation>
    </message>
    <message>
        <source>导线坐标闭合差放大 %1 倍</source>
        <translation>Traverse coordinate misclosure enlarged %1 times</translation>
    </message>
    <message>
        <source>坐标系统</source>
        <translation>Coordinate system</translation>
    </message>
    <message>
        <source>CGCS2000 高斯-克吕格投影带</source>
        <translation>CGCS2000 Gauss-Krüger zone</translation>
    </message>
    <message>
        <source>EPSG 代码</source>
        <translation>EPSG code</translation>
    </message>
    <message>
        <source>地方坐标系（任意中央子午线和投影面）</source>
        <translation>Local grid (any central meridian and projection height)</translation>
    </message>
    <message>
        <source>大地坐标（纬度、经度）</source>
        <translation>Geographic (latitude, longitude)</translation>
    </message>
    <message>
        <source>中央子午线经度(°)</source>
        <translation>Central meridian (°)</translation>
    </message>
    <message>
        <source>投影面高程(m)</source>
        <translation>Projection height (m)</translation>
    </message>
    <message>
        <source>东坐标加常数(m)</source>
        <translation>False easting (m)</translation>
    </message>
    <message>
        <source>北坐标加常数(m)</source>
        <translation>False northing (m)</translation>
    </message>
    <message>
        <source>中央子午线比例因子</source>
        <translation>Scale on the central meridian</translation>
    </message>
    <message>
        <source>当前坐标系统：%1</source>
        <translation>Current coordinate system: %1</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>坐标系统：%1</source>
        <translation>Coordinate system: %1</translation>
    </message>
    <message>
        <source>纬度 %1°   经度 %2°</source>
        <translation>Lat %1°   Lon %2°</translation>
    </message>
    <message>
        <source>坐标转换</source>
        <translation>Transform points</translation>
    </message>
    <message>
        <source>转换到</source>
        <translation>Transform to</translation>
    </message>
    <message>
        <source>替换坐标列表（并改为新的坐标系统）</source>
        <translation>Replace the point list (and take the new system)</translation>
    </message>
    <message>
        <source>写入 CSV 文件，坐标列表不变</source>
        <translation>Write a CSV file, leave the point list</translation>
    </message>
    <message>
        <source>附加每点的比例因子和子午线收敛角</source>
        <translation>Add each point&apos;s grid scale factor and meridian convergence</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>用转换后的坐标替换坐标列表中的全部点，并把项目的坐标系统改为 %1 吗？原来的列表先保存到 discarded 文件夹。</source>
        <translation>Replace every point of the point list with its transformed coordinates and make %1 the project&apos;s coordinate system? The list as it is now is first saved in the discarded folder.</translation>
    </message>
    <message>
        <source>正在处理坐标列表，请稍候...</source>
        <translation>Working on the point list, please wait...</translation>
    </message>
    <message>
        <source>转换参数</source>
        <translation>Transformation parameters</translation>
    </message>
    <message>
        <source>四参数（平面相似变换）</source>
        <translation>4 parameters (plane similarity)</translation>
    </message>
    <message>
        <source>七参数（布尔莎-沃尔夫）</source>
        <translation>7 parameters (Bursa-Wolf)</translation>
    </message>
    <message>
        <source>公共点文件（点名,N1,E1,Z1,N2,E2,Z2）</source>
        <translation>Common points file (PT,N1,E1,Z1,N2,E2,Z2)</translation>
    </message>
    <message>
        <source>公共点文件 (*.txt *.csv *.dat);;所有文件 (*.*)</source>
        <translation>Common points files (*.txt *.csv *.dat);;All files (*.*)</translation>
    </message>
    <message>
        <source>计算参数</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>应用到坐标列表</source>
        <translation>Apply to the point list</translation>
    </message>
    <message>
        <source>去掉勾选的点不参与计算，再按“计算参数”；参数也可直接输入。</source>
        <translation>Untick a point to leave it out of the next fit, then press &quot;Fit&quot;; the parameters may also be typed.</translation>
    </message>
    <message>
        <source>参与计算</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>北平移 dN (m)</source>
        <translation>Shift dN (m)</translation>
    </message>
    <message>
        <source>东平移 dE (m)</source>
        <translation>Shift dE (m)</translation>
    </message>
    <message>
        <source>旋转角 (″)</source>
        <translation>Rotation (″)</translation>
    </message>
    <message>
        <source>尺度 (ppm)</source>
        <translation>Scale (ppm)</translation>
    </message>
    <message>
        <source>平移 tx (m)</source>
        <translation>Shift tx (m)</translation>
    </message>
    <message>
        <source>平移 ty (m)</source>
        <translation>Shift ty (m)</translation>
    </message>
    <message>
        <source>平移 tz (m)</source>
        <translation>Shift tz (m)</translation>
    </message>
    <message>
        <source>旋转 rx (″)</source>
        <translation>Rotation rx (″)</translation>
    </message>
    <message>
        <source>旋转 ry (″)</source>
        <translation>Rotation ry (″)</translation>
    </message>
    <message>
        <source>旋转 rz (″)</source>
        <translation>Rotation rz (″)</translation>
    </message>
    <message>
        <source>残差中误差 RMS：%1 mm</source>
        <translation>RMS of the residuals: %1 mm</translation>
    </message>
    <message>
        <source>用这些参数转换坐标列表中的全部点吗？原来的列表先保存到 discarded 文件夹。</source>
        <translation>Transform every point of the point list with these parameters? The list as it is now is first saved in the discarded folder.</translation>
    </message>
    <message>
        <source>KML 文件 (*.kml)</source>
        <translation>KML files (*.kml)</translation>
    </message>
    <message>
        <source>GeoJSON 文件 (*.geojson)</source>
        <translation>GeoJSON files (*.geojson)</translation>
    </message>
    <message>
        <source>设置项目坐标所在的坐标系统：投影带、EPSG 代码或地方坐标系</source>
        <translation>Set the coordinate system of the project&apos;s points: a zone, an EPSG code or a local grid</translation>
    </message>
    <message>
        <source>把坐标列表转换到另一个坐标系统或经纬度</source>
        <translation>Transform the point list to another coordinate system or to latitude and longitude</translation>
    </message>
    <message>
        <source>由公共点求四参数或七参数，并用于坐标列表</source>
        <translation>Fit 4 or 7 parameters to common points and apply them to the point list</translation>
    </message>
    <message>
        <source>投影带、EPSG 代码、地方坐标系</source>
        <translation>Zone, EPSG code, local grid</translation>
    </message>
    <message>
        <source>换带、换坐标系、转经纬度</source>
        <translation>Zone to zone, system to system, to latitude and longitude</translation>
    </message>
    <message>
        <source>四参数、七参数</source>
        <translation>4 or 7 parameters</translation>
    </message>
    <message>
        <source>导出KML</source>
        <translation>Export KML</translation>
    </message>
    <message>
        <source>导出GeoJSON</source>
        <translation>Export GeoJSON</translation>
    </message>
    <message>
        <source>把坐标列表导出为 KML（Google 地球），按代码分文件夹</source>
        <translation>Export the point list as KML (Google Earth), one folder per code</translation>
    </message>
    <message>
        <source>把坐标列表导出为 GeoJSON（网络地图）</source>
        <translation>Export the point list as GeoJSON (web maps)</translation>
    </message>
    <message>
        <source>测站 %1 的先验精度：方向中误差与测距 a + b 须大于 0，对中误差不能为负</source>
        <translation>A priori values of station %1: the direction σ and the distance&apos;s a + b must be above 0, the centring σ cannot be negative</translation>
    </message>
    <message>
        <source>仪器先验精度：方向中误差与测距 a + b 须大于 0，对中误差不能为负</source>
        <translation>Instrument&apos;s a priori values: the direction σ and the distance&apos;s a + b must be above 0, the centring σ cannot be negative</translation>
    </message>
    <message>
        <source>已知点 %1 的权：平面与高程中误差须大于 0</source>
        <translation>Weight of known point %1: the plan and height σ must be above 0</translation>
    </message>
    <message>
        <source>测站 %1 的先验精度出现了两次</source>
        <translation>The a priori values of station %1 are given twice</translation>
    </message>
    <message>
        <source>已知点 %1 的权出现了两次</source>
        <translation>The weight of known point %1 is given twice</translation>
    </message>
    <message>
        <source>对中误差(mm)</source>
        <translation>Centring σ (mm)</translation>
    </message>
    <message>
        <source>测站自己的先验精度（空白处取仪器的值）</source>
        <translation>Stations&apos; own a priori values (blank: the instrument&apos;s)</translation>
    </message>
    <message>
        <source>方向(″)</source>
        <translation>Direction (″)</translation>
    </message>
    <message>
        <source>测距 a(mm)</source>
        <translation>Distance a (mm)</translation>
    </message>
    <message>
        <source>测距 b(ppm)</source>
        <translation>Distance b (ppm)</translation>
    </message>
    <message>
        <source>对中(mm)</source>
        <translation>Centring (mm)</translation>
    </message>
    <message>
        <source>加权的已知点（空白处固定）</source>
        <translation>Weighted known points (blank: fixed)</translation>
    </message>
    <message>
        <source>平面中误差(mm)</source>
        <translation>Plan σ (mm)</translation>
    </message>
    <message>
        <source>高程中误差(mm)</source>
        <translation>Height σ (mm)</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>正在平差……</source>
        <translation>Adjusting…</translation>
    </message>
    <message>
        <source>平差已取消，平差结果未作改动</source>
        <translation>Adjustment cancelled; the adjustment results were left unchanged</translation>
    </message>
    <message>
        <source>对中误差的计入</source>
        <translation>Centring</translation>
    </message>
    <message>
        <source>仪器与目标各对中一次，互相独立：方向方差加 2σc²/D²，距离方差加 2σc²；高差不计</source>
        <translation>Instrument and target each centred once, independently: a direction&apos;s variance gains 2σc²/D², a distance&apos;s 2σc²; height differences none</translation>
    </message>
    <message>
        <source>测站 %1 的先验精度</source>
        <translation>A priori values of station %1</translation>
    </message>
    <message>
        <source>方向 %1″，测距 %2 mm + %3 ppm，对中 %4 mm</source>
        <translation>direction %1″, distance %2 mm + %3 ppm, centring %4 mm</translation>
    </message>
    <message>
        <source>加权已知点 %1</source>
        <translation>Weighted known point %1</translation>
    </message>
    <message>
        <source>平面 σN = σE = %1 mm</source>
        <translation>plan σN = σE = %1 mm</translation>
    </message>
    <message>
        <source>高程 σZ = %1 mm</source>
        <translation>height σZ = %1 mm</translation>
    </message>
    <message>
        <source>正在平差：第 %1 次迭代……</source>
        <translation>Adjusting: iteration %1…</translation>
    </message>
    <message>
        <source>正在计算平差结果的精度……</source>
        <translation>Computing the precision of the results…</translation>
    </message>
    <message numerus="yes">
        <source>删除选中的 %1 条记录？</source>
        <translation>
            <numerusform>Delete the %1 selected record?</numerusform>
            <numerusform>Delete the %1 selected records?</numerusform>
        </translation>
    </message>
    <message>
        <source>正在读取点…</source>
        <translation>Reading points…</translation>
    </message>
    <message>
        <source>正在读取点… %1/%2</source>
        <translation>Reading points… %1/%2</translation>
    </message>
    <message>
        <source>正在排序…</source>
        <translation>Sorting…</translation>
    </message>
    <message>
        <source>新建项目</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>打开项目</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>MERION 项目 (*.db);;所有文件 (*)</source>
        <translation>MERION projects (*.db);;All files (*)</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 已经存在。新项目需要一个新的文件名；要打开这个项目，请用“打开项目”。</source>
        <translation>%1 exists already. A new project needs a new file name; to open this project, use Open Project.</translation>
    </message>
    <message>
        <source>项目 %1 已在另一个 MERION 窗口中打开，这里没有打开它。</source>
        <translation>The project %1 is open in another MERION window; it was not opened here.</translation>
    </message>
    <message>
        <source>原有的作业仍在，没有改变。</source>
        <translation>The job stored before is still there, unchanged.</translation>
    </message>
    <message>
        <source>%1中有手工输入或修改的数据，自上次导出或上传以来尚未保存。
打开另一个项目将清空该列表（副本存入数据库旁的 discarded 文件夹）。
是否先导出？</source>
        <translation>The %1 holds data typed or changed by hand that has not been exported or uploaded since.
Opening another project empties the list (a copy goes to the folder discarded beside the database).
Export it first?</translation>
    </message>
    <message>
        <source>仍然切换</source>
        <translation>Switch anyway</translation>
    </message>
    <message>
        <source>最近的项目(&amp;R)</source>
        <translation>&amp;Recent Projects</translation>
    </message>
    <message>
        <source>新建一个项目数据库并在其中工作
新建项目数据库</source>
        <translation>Create a project database and work in it
Create a project database</translation>
    </message>
    <message>
        <source>打开另一个项目数据库，无需重新启动程序
打开另一个项目数据库</source>
        <translation>Open another project database without restarting
Open another project database</translation>
    </message>
    <message>
        <source>选择串口、波特率、数据位、停止位和校验位</source>
        <translation>Choose the serial port, baud rate, data bits, stop bits and parity</translation>
    </message>
    <message>
        <source>把坐标列表发送到仪器</source>
        <translation>Send the point list to the instrument</translation>
    </message>
    <message>
        <source>从仪器接收测量作业并存入项目</source>
        <translation>Receive a measurement job from the instrument into the project</translation>
    </message>
    <message>
        <source>把列表显示的内容导出为 CSV 文件
把列表显示的内容导出为 CSV 文件</source>
        <translation>Export what the list shows as a CSV file
Export what the list shows as a CSV file</translation>
    </message>
    <message>
        <source>关闭程序
关闭程序（先询问未导出的手工数据）</source>
        <translation>Close the program
Close the program (asking first about hand work not yet exported)</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>项目：%1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>日期：%1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>坐标系：%1</source>
        <translation>Coordinate system: %1</translation>
    </message>
    <message>
        <source>比例：%1</source>
        <translation>Scale: %1</translation>
    </message>
    <message>
        <source>平面图已保存到 %1</source>
        <translation>Plan saved to %1</translation>
    </message>
    <message>
        <source>平面图打印设置</source>
        <translation>Print Plan</translation>
    </message>
    <message>
        <source>纸张：</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>方向：</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>比例：</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>适合页面</source>
        <translation>Fit to page</translation>
    </message>
    <message>
        <source>图签（项目、日期、坐标系、比例）</source>
        <translation>Title block (project, date, coordinate system, scale)</translation>
    </message>
    <message>
        <source>改为适合页面</source>
        <translation>Use Fit to Page</translation>
    </message>
    <message>
        <source>按 %1 出图：测区在纸上 %2，图框 %3。</source>
        <translation>Printed at %1: the job takes %2 on paper, the map frame is %3.</translation>
    </message>
    <message>
        <source>%1 时测区在纸上 %2，放得下（图框 %3）。</source>
        <translation>At %1 the job takes %2 on paper and fits (map frame %3).</translation>
    </message>
    <message>
        <source>%1 时测区在纸上 %2，超出图框 %3：将以测区中心居中出图，图框外的部分不画。要画出全部点，请改为适合页面或更大的纸张。</source>
        <translation>At %1 the job takes %2 on paper, more than the map frame of %3: the sheet is centred on the middle of the job and what lies outside the frame is not drawn. To draw every point, choose Fit to page or larger paper.</translation>
    </message>
    <message>
        <source>导出平面图</source>
        <translation>Export Plan</translation>
    </message>
    <message>
        <source>把平面图导出为 PNG、SVG，或按比例带图签打印为 PDF</source>
        <translation>Export the plan as PNG or SVG, or print it to PDF at a scale with a title block</translation>
    </message>
</context>
</TS>
