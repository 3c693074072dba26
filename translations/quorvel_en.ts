<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Form1</name>
    <message>
        <source>Waiting Time P%1</source>
        <extracomment>Screen reader name of a detail label; %1 is the process number 1..5.</extracomment>
        <translation>Waiting Time P%1</translation>
    </message>
    <message>
        <source>Turn Around P%1</source>
        <extracomment>Screen reader name of a detail label; %1 is the process number 1..5.</extracomment>
        <translation>Turn Around P%1</translation>
    </message>
    <message>
        <source>&amp;Laboratorium</source>
        <translation>&amp;Laboratory</translation>
    </message>
    <message>
        <source>La&amp;tihan</source>
        <translation>Prac&amp;tice</translation>
    </message>
    <message>
        <source> Anda tidak bisa memasukan huruf !</source>
        <translation> You cannot enter letters !</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Klik proses jika sudah selesai menginputkan </source>
        <translation>Click Process when you have finished typing </translation>
    </message>
    <message>
        <source>Maaf tempat ini tidak bisa ditambahkan teks</source>
        <translation>Sorry, no text can be added here</translation>
    </message>
    <message>
        <source>FCFS Prosess Terminated</source>
        <translation>FCFS Process Terminated</translation>
    </message>
    <message>
        <source>SJF Non Preemptive Prosess Terminated</source>
        <translation>SJF Non Preemptive Process Terminated</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Fatal Error</translation>
    </message>
    <message>
        <source>&amp;Proses</source>
        <translation>&amp;Process</translation>
    </message>
    <message>
        <source>Proses CPU</source>
        <translation>Run the schedule</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Reset CPU</source>
        <translation>Clear the inputs and results</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Cetak ke printer</source>
        <translation>Print to the printer</translation>
    </message>
    <message>
        <source>&amp;Simpan </source>
        <extracomment>The trailing space is part of the stored caption.</extracomment>
        <translation>&amp;Save </translation>
    </message>
    <message>
        <source>Simpan sebagai Teks</source>
        <translation>Save as text</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Tutup CPU</source>
        <translation>Close the program</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>&amp;Gantt Chart</source>
        <translation>&amp;Gantt Chart</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Schedule tidak dapat diproses karena proses pertama di mulai dari ( %1 ) !</source>
        <extracomment>A refused schedule; %1 is the first process&apos;s arrival time.</extracomment>
        <translation>Schedule cannot be processed because the first process starts at ( %1 ) !</translation>
    </message>
    <message>
        <source>Program error !!. Error Number : %1<byte value="xd"/>
Dekripsi Error : %2</source>
        <extracomment>A failure of the computation; %1 is the error number, %2 its description.</extracomment>
        <translation>Program error !!. Error Number : %1<byte value="xd"/>
Error Description : %2</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Default Printer</source>
        <translation>Default Printer</translation>
    </message>
    <message>
        <source>Tidak ditemukan printer terpasang di Sistem Anda</source>
        <translation>No printer is installed on your system</translation>
    </message>
    <message>
        <source>Ada masalah dengan printer Anda pencetakan dibatalkan</source>
        <translation>There is a problem with your printer, printing was cancelled</translation>
    </message>
    <message>
        <source>Nama Printer Default : </source>
        <extracomment>Followed by the default printer&apos;s name.</extracomment>
        <translation>Default Printer Name : </translation>
    </message>
    <message>
        <source>Di Port : </source>
        <extracomment>Followed by the port or address of the printer.</extracomment>
        <translation>On Port : </translation>
    </message>
    <message>
        <source>Driver : </source>
        <extracomment>Followed by the printer&apos;s driver (make and model).</extracomment>
        <translation>Driver : </translation>
    </message>
    <message>
        <source>Color Mode </source>
        <extracomment>Followed by the printer&apos;s colour mode as a number.</extracomment>
        <translation>Color Mode </translation>
    </message>
    <message>
        <source>&amp;Print Now</source>
        <translation>&amp;Print Now</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>form1layout</name>
    <message>
        <source>.......     Quorvel Versi Beta Tamsira 2006     .......</source>
        <extracomment>The main window&apos;s title, which scrolls through the title bar; keep the dots and spaces around it.</extracomment>
        <translation>.......     Quorvel Beta Version Tamsira 2006     .......</translation>
    </message>
    <message>
        <source>Tipe Penjadwalan</source>
        <translation>Scheduling Type</translation>
    </message>
    <message>
        <source>FCFS</source>
        <translation>FCFS</translation>
    </message>
    <message>
        <source>SJF Non Preemptive</source>
        <translation>SJF Non Preemptive</translation>
    </message>
    <message>
        <source>Proses</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Arrival Time</source>
        <translation>Arrival Time</translation>
    </message>
    <message>
        <source>Burst Time</source>
        <translation>Burst Time</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Waiting Time ::</source>
        <translation>Waiting Time ::</translation>
    </message>
    <message>
        <source>Turn Around ::</source>
        <translation>Turn Around ::</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Awaiting Time</source>
        <translation>Awaiting Time</translation>
    </message>
    <message>
        <source>Turn Around</source>
        <translation>Turn Around</translation>
    </message>
    <message>
        <source>Process with Message</source>
        <translation>Process with Message</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>&amp;Proses</source>
        <translation>&amp;Process</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>P1 Arrival Time</source>
        <translation>P1 Arrival Time</translation>
    </message>
    <message>
        <source>P2 Arrival Time</source>
        <translation>P2 Arrival Time</translation>
    </message>
    <message>
        <source>P3 Arrival Time</source>
        <translation>P3 Arrival Time</translation>
    </message>
    <message>
        <source>P4 Arrival Time</source>
        <translation>P4 Arrival Time</translation>
    </message>
    <message>
        <source>P5 Arrival Time</source>
        <translation>P5 Arrival Time</translation>
    </message>
    <message>
        <source>P1 Burst Time</source>
        <translation>P1 Burst Time</translation>
    </message>
    <message>
        <source>P2 Burst Time</source>
        <translation>P2 Burst Time</translation>
    </message>
    <message>
        <source>P3 Burst Time</source>
        <translation>P3 Burst Time</translation>
    </message>
    <message>
        <source>P4 Burst Time</source>
        <translation>P4 Burst Time</translation>
    </message>
    <message>
        <source>P5 Burst Time</source>
        <translation>P5 Burst Time</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>System Information Is Unavailable At This Time</translation>
    </message>
    <message>
        <source>Quorvel icon</source>
        <translation>Quorvel icon</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Sistem Info</source>
        <extracomment>Opens the system information program.</extracomment>
        <translation>System Info</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>The About box&apos;s version line: major, minor and revision numbers.</extracomment>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmGantt</name>
    <message>
        <source>&amp;Salin</source>
        <extracomment>Copies the chart picture to the clipboard.</extracomment>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Simpan &amp;Gambar</source>
        <extracomment>Saves the chart picture to a file.</extracomment>
        <translation>Save &amp;Image</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>%1   dihentikan: %2</source>
        <extracomment>A chart title of a stopped run: %1 the title so far, %2 the failure (such as Overflow).</extracomment>
        <translation>%1   stopped: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Screen reader name of a chart: %1 which chart, %2 its policy.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, Awaiting Time %2</source>
        <extracomment>Screen reader name of a chart, continued: %1 the name so far, %2 the average waiting time.</extracomment>
        <translation>%1, Awaiting Time %2</translation>
    </message>
    <message>
        <source>%1, Turn Around %2</source>
        <extracomment>Screen reader name of a chart, continued: %1 the name so far, %2 the average turnaround.</extracomment>
        <translation>%1, Turn Around %2</translation>
    </message>
    <message>
        <source>%1, dihentikan: %2</source>
        <extracomment>Screen reader name of a stopped run: %1 the name so far, %2 the failure.</extracomment>
        <translation>%1, stopped: %2</translation>
    </message>
</context>
<context>
    <name>frmaboutlayout</name>
    <message>
        <source>Tugas Sistem Operasi</source>
        <translation>OS Course Assignment</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;System Info...</translation>
    </message>
</context>
<context>
    <name>gantt::GanttChart</name>
    <message>
        <source>idle</source>
        <translation>idle</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>switch</translation>
    </message>
</context>
<context>
    <name>ganttlayout</name>
    <message>
        <source>Awaiting Time</source>
        <translation>Awaiting Time</translation>
    </message>
    <message>
        <source>Turn Around</source>
        <translation>Turn Around</translation>
    </message>
    <message>
        <source>Belum ada proses yang dijadwalkan</source>
        <translation>No process has been scheduled yet</translation>
    </message>
    <message>
        <source>Berjalan</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Menunggu</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Datang</source>
        <translation>Arrival</translation>
    </message>
    <message>
        <source>Gantt Chart</source>
        <translation>Gantt Chart</translation>
    </message>
    <message>
        <source>Gantt Chart pembanding</source>
        <translation>Comparison Gantt Chart</translation>
    </message>
    <message>
        <source>Bandingkan FCFS dan SJF</source>
        <translation>Compare FCFS and SJF</translation>
    </message>
    <message>
        <source>Simpan Gambar</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>Gambar PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Gambar SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Gambar tidak dapat disimpan ke </source>
        <extracomment>A message: followed directly by the path of the picture that could not be saved.</extracomment>
        <translation>The image could not be saved to </translation>
    </message>
    <message>
        <source>Arsiran: berjalan sebelum datang (model ini tidak menunggu kedatangan)</source>
        <translation>Hatched: runs before it arrives (this model does not wait for arrivals)</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>File tersimpan di path </source>
        <extracomment>Followed directly by the saved file&apos;s full path.</extracomment>
        <translation>File saved at path </translation>
    </message>
    <message>
        <source>Path adalah Read Only. Data tidak bisa disimpan.</source>
        <extracomment>Followed directly by the system&apos;s reason why the file could not be written.</extracomment>
        <translation>The path is read only. The data could not be saved.</translation>
    </message>
</context>
</TS>
