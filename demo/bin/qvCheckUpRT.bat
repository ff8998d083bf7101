@echo off
rem qvCheckUpRT.bat - stand-in: would compare the real-time data file with the server's.
rem Leaves its status words in checkupRT.log; a file standin-checkupRT.log in the scratch folder replaces them.
>>"%QV_TMP%\standin.log" echo qvCheckUpRT.bat %*
if exist "%~2\standin-checkupRT.log" (copy /y "%~2\standin-checkupRT.log" "%~2\checkupRT.log" >nul) else (
  echo CHEK>"%~2\checkupRT.log"
  echo FOUN>>"%~2\checkupRT.log"
  echo NODI>>"%~2\checkupRT.log"
  echo RG_VeduClim_RT_2012.nc>"%~2\RG_VeduClim_Real_Time.txt"
)
