CREATE TABLE [Categories] (
  [CategoryID] AUTOINCREMENT CONSTRAINT [PrimaryKey] PRIMARY KEY  UNIQUE  NOT NULL ,
  [CategoryName] VARCHAR (15),
  [Description] LONGTEXT ,
  [Picture] LONGBINARY 
)
